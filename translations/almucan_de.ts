<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>Messages</name>
        <message>
            <source>Error</source>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Input error.</source>
            <translation>Eingabefehler.</translation>
        </message>
        <message>
            <source>Input error - wrong value.</source>
            <translation>Eingabefehler - falscher Wert.</translation>
        </message>
        <message>
            <source>Can't write</source>
            <translation>Schreiben nicht möglich:</translation>
        </message>
        <message>
            <source>to disk.</source>
            <translation>auf den Datenträger.</translation>
        </message>
        <message>
            <source>Wrong value(s) for margin(s).</source>
            <translation>Falsche(r) Wert(e) für Ränder.</translation>
        </message>
        <message>
            <source>Wrong value for the font size.</source>
            <translation>Falscher Wert für die Schriftgröße.</translation>
        </message>
        <message>
            <source>Margins too large.</source>
            <translation>Ränder zu groß.</translation>
        </message>
        <message>
            <source>Unknown paper format.</source>
            <translation>Unbekanntes Papierformat.</translation>
        </message>
        <message>
            <source>Please choose US Letter or DIN A4 at printer setup.</source>
            <translation>Bitte in der Druckereinrichtung US Letter oder DIN A4 wählen.</translation>
        </message>
        <message>
            <source>The calculation failed:</source>
            <translation>Die Berechnung ist fehlgeschlagen:</translation>
        </message>
        <message>
            <source>The page could not be printed.</source>
            <translation>Die Seite konnte nicht gedruckt werden.</translation>
        </message>
        <message>
            <source>The dark nights could not be exported:</source>
            <translation>Die dunklen Nächte konnten nicht exportiert werden:</translation>
        </message>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Drucken</translation>
        </message>
        <message>
            <source>The month page was written to</source>
            <translation>Die Monatsseite wurde geschrieben nach</translation>
        </message>
        <message>
            <source>The nights page was written to</source>
            <translation>Die Nächteseite wurde geschrieben nach</translation>
        </message>
        <message>
            <source>The year chart was written to</source>
            <translation>Die Jahresübersicht wurde geschrieben nach</translation>
        </message>
        <message>
            <source>The compare page was written to</source>
            <translation>Die Vergleichsseite wurde geschrieben nach</translation>
        </message>
        <message>
            <source>Place: type the site's name</source>
            <translation>Ort: bitte den Namen des Beobachtungsorts eingeben</translation>
        </message>
        <message>
            <source>Place: a name cannot hold a tab</source>
            <translation>Ort: ein Name darf keinen Tabulator enthalten</translation>
        </message>
        <message>
            <source>Zone: not a zone of the time zone database</source>
            <translation>Zone: keine Zone der Zeitzonendatenbank</translation>
        </message>
        <message>
            <source>Input the month (format yyyymm) and activate 'Summertime'</source>
            <translation>Monat eingeben (Format jjjjmm) und bei Bedarf 'Sommerzeit'</translation>
        </message>
        <message>
            <source>if necessary. Then click 'Calculate' to print the times and</source>
            <translation>aktivieren. Dann auf 'Berechnen' klicken, um die Zeiten auszugeben</translation>
        </message>
        <message>
            <source>draw a graph.</source>
            <translation>und die Grafik zu zeichnen.</translation>
        </message>
        <message>
            <source>Legend:</source>
            <translation>Legende:</translation>
        </message>
        <message>
            <source>Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for</source>
            <translation>Moon, Sun, Ast.Twilight, D.a.n.M. = Auf- und Untergang von</translation>
        </message>
        <message>
            <source>     moon and sun, begin and end of astr. twilight, begin</source>
            <translation>     Mond und Sonne, Beginn und Ende der astr. Dämmerung,</translation>
        </message>
        <message>
            <source>     and end of time where it is dark and the moon is not</source>
            <translation>     Beginn und Ende der Zeit, in der es dunkel und der Mond</translation>
        </message>
        <message>
            <source>     visible (D.a.n.M. = Dark and no Moon).</source>
            <translation>     nicht sichtbar ist (D.a.n.M. = dunkel und kein Mond).</translation>
        </message>
        <message>
            <source>     ----    no rise or set on this day</source>
            <translation>     ----    kein Auf- oder Untergang an diesem Tag</translation>
        </message>
        <message>
            <source>     a.h.  (always) above horizon</source>
            <translation>     a.h.  (immer) über dem Horizont</translation>
        </message>
        <message>
            <source>     b.h.  (always) below horizon</source>
            <translation>     b.h.  (immer) unter dem Horizont</translation>
        </message>
        <message>
            <source>     a.b.  always bright</source>
            <translation>     a.b.  immer hell</translation>
        </message>
        <message>
            <source>     a.d.  always dark</source>
            <translation>     a.d.  immer dunkel</translation>
        </message>
        <message>
            <source>Phase = Moonphases</source>
            <translation>Phase = Mondphasen</translation>
        </message>
        <message>
            <source>The diagram shows night (black), dusk and dawn (dark grey),</source>
            <translation>Die Grafik zeigt Nacht (schwarz), Dämmerung (dunkelgrau),</translation>
        </message>
        <message>
            <source>daylight (light grey) and moon (yellow).</source>
            <translation>Tag (hellgrau) und Mond (gelb).</translation>
        </message>
        <message>
            <source>A monthly almanac of rise and set times for the Sun and the Moon,</source>
            <translation>Ein Monatsalmanach der Auf- und Untergangszeiten von Sonne und Mond,</translation>
        </message>
        <message>
            <source>computed with low-precision solar and lunar theories.</source>
            <translation>berechnet mit einfachen Sonnen- und Mondtheorien.</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License (GPL-3.0-or-later).</source>
            <translation>Freie Software unter der GNU General Public License (GPL-3.0-or-later).</translation>
        </message>
        <message>
            <source>The program calculates for one given month the rise</source>
            <translation>Das Programm berechnet für einen Monat die Auf- und</translation>
        </message>
        <message>
            <source>and set times for the sun and the moon, begin and</source>
            <translation>Untergangszeiten von Sonne und Mond, Beginn und</translation>
        </message>
        <message>
            <source>end of the astronomical twilight and the times when</source>
            <translation>Ende der astronomischen Dämmerung und die Zeiten, in denen</translation>
        </message>
        <message>
            <source>it is astronomical dark and the moon is not visible.</source>
            <translation>es astronomisch dunkel und der Mond nicht sichtbar ist.</translation>
        </message>
        <message>
            <source>Input longitude (in decimal format, east is positive and west</source>
            <translation>Geben Sie Länge (dezimal, Ost positiv und West negativ)</translation>
        </message>
        <message>
            <source>is negative) and latidude (in decimal format, north is positive</source>
            <translation>und Breite (dezimal, Nord positiv und Süd negativ)</translation>
        </message>
        <message>
            <source>and south is negative) of your geographical location and the</source>
            <translation>Ihres Beobachtungsorts sowie die Zeitzone (Ost positiv,</translation>
        </message>
        <message>
            <source>timezone (east is positive and west is negative). Click 'Save'</source>
            <translation>West negativ) ein. Klicken Sie auf 'Speichern', um die Daten</translation>
        </message>
        <message>
            <source>to save the data or 'Cancel' to abort.</source>
            <translation>zu sichern, oder auf 'Abbrechen'.</translation>
        </message>
        <message>
            <source>Input the margins (in mm) and choose a font and the font</source>
            <translation>Geben Sie die Ränder (in mm) ein und wählen Sie Schriftart und</translation>
        </message>
        <message>
            <source>size for printing. Click 'Save' to save margins and fonts,</source>
            <translation>Schriftgröße für den Druck. 'Speichern' sichert Ränder und Schrift,</translation>
        </message>
        <message>
            <source>click 'Print' to print the data.</source>
            <translation>'Drucken' druckt die Daten.</translation>
        </message>
    </context>
    <context>
        <name>ui::MainWindow</name>
        <message>
            <source>Export dark nights</source>
            <translation>Dunkle Nächte exportieren</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>iCalendar-Dateien (*.ics)</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>Monat:</translation>
        </message>
        <message>
            <source>yyyymm / 1900 - 2100</source>
            <translation>jjjjmm / 1900 - 2100</translation>
        </message>
        <message>
            <source>Summer&amp;time</source>
            <translation>&amp;Sommerzeit</translation>
        </message>
        <message>
            <source>summertime</source>
            <translation>Sommerzeit</translation>
        </message>
        <message>
            <source>&amp;Calculate</source>
            <translation>&amp;Berechnen</translation>
        </message>
        <message>
            <source>Start calculation</source>
            <translation>Berechnung starten</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>Previous month (Page Up)</source>
            <translation>Voriger Monat (Bild auf)</translation>
        </message>
        <message>
            <source>Next month (Page Down)</source>
            <translation>Nächster Monat (Bild ab)</translation>
        </message>
        <message>
            <source>Site (keep sites in File &gt; Options)</source>
            <translation>Beobachtungsort (Orte unter Datei &gt; Optionen speichern)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Datei</translation>
        </message>
        <message>
            <source>&amp;Options...</source>
            <translation>&amp;Optionen...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Drucken...</translation>
        </message>
        <message>
            <source>&amp;Export dark nights...</source>
            <translation>Dunkle Nächte &amp;exportieren...</translation>
        </message>
        <message>
            <source>&amp;Info</source>
            <translation>&amp;Info</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Beenden</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ansicht</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>&amp;Heute</translation>
        </message>
        <message>
            <source>&amp;Previous month</source>
            <translation>&amp;Voriger Monat</translation>
        </message>
        <message>
            <source>&amp;Next month</source>
            <translation>&amp;Nächster Monat</translation>
        </message>
        <message>
            <source>Night &amp;vision</source>
            <translation>&amp;Nachtsicht</translation>
        </message>
        <message>
            <source>Rise and Set for Sun and Moon</source>
            <translation>Auf- und Untergang von Sonne und Mond</translation>
        </message>
        <message>
            <source> (summer time)</source>
            <translation> (Sommerzeit)</translation>
        </message>
        <message>
            <source> (standard time)</source>
            <translation> (Normalzeit)</translation>
        </message>
        <message>
            <source> (summer time %1 - %2)</source>
            <translation> (Sommerzeit %1 - %2)</translation>
        </message>
        <message>
            <source> (summer time until %1)</source>
            <translation> (Sommerzeit bis %1)</translation>
        </message>
        <message>
            <source> (summer time from %1)</source>
            <translation> (Sommerzeit ab %1)</translation>
        </message>
        <message>
            <source> S </source>
            <translation> S </translation>
        </message>
        <message>
            <source> N </source>
            <translation> N </translation>
        </message>
        <message>
            <source> W</source>
            <translation> W</translation>
        </message>
        <message>
            <source> E</source>
            <translation> O</translation>
        </message>
        <message>
            <source> - precise ephemeris (IAU 2006/2000A, ERFA)</source>
            <translation> - genaue Ephemeriden (IAU 2006/2000A, ERFA)</translation>
        </message>
        <message>
            <source>&amp;Days</source>
            <translation>&amp;Tage</translation>
        </message>
        <message>
            <source>N&amp;ights</source>
            <translation>&amp;Nächte</translation>
        </message>
        <message>
            <source>&amp;Year chart</source>
            <translation>&amp;Jahresübersicht</translation>
        </message>
        <message>
            <source>&amp;Compare sites</source>
            <translation>Orte &amp;vergleichen</translation>
        </message>
        <message>
            <source>D&amp;arkness</source>
            <translation>&amp;Dunkelheit</translation>
        </message>
        <message>
            <source>&amp;Astronomical (Sun below -18°)</source>
            <translation>&amp;Astronomisch (Sonne unter -18°)</translation>
        </message>
        <message>
            <source>&amp;Nautical (Sun below -12°)</source>
            <translation>&amp;Nautisch (Sonne unter -12°)</translation>
        </message>
        <message>
            <source>&amp;Civil (Sun below -6°)</source>
            <translation>&amp;Bürgerlich (Sonne unter -6°)</translation>
        </message>
        <message>
            <source>&amp;Moon limit</source>
            <translation>&amp;Mondgrenze</translation>
        </message>
        <message>
            <source>&amp;0 % (no Moon up)</source>
            <translation>&amp;0 % (kein Mond am Himmel)</translation>
        </message>
        <message>
            <source>Moon up to &amp;%1 %</source>
            <translation>Mond bis &amp;%1 %</translation>
        </message>
        <message>
            <source>Sites c&amp;ompared</source>
            <translation>&amp;Verglichene Orte</translation>
        </message>
        <message>
            <source>astronomical darkness</source>
            <translation>astronomische Dunkelheit</translation>
        </message>
        <message>
            <source>nautical darkness</source>
            <translation>nautische Dunkelheit</translation>
        </message>
        <message>
            <source>civil darkness</source>
            <translation>bürgerliche Dunkelheit</translation>
        </message>
        <message>
            <source>Moon up to %1 %</source>
            <translation>Mond bis %1 %</translation>
        </message>
        <message>
            <source>no Moon up</source>
            <translation>kein Mond am Himmel</translation>
        </message>
        <message>
            <source>Nights of %1 %2 (%3)</source>
            <translation>Nächte im %1 %2 (%3)</translation>
        </message>
        <message>
            <source>Year chart %1 (%2)</source>
            <translation>Jahresübersicht %1 (%2)</translation>
        </message>
        <message>
            <source>Sites compared, %1 %2 (%3)</source>
            <translation>Orte verglichen, %1 %2 (%3)</translation>
        </message>
    </context>
    <context>
        <name>ui::OptionsDialog</name>
        <message>
            <source>Almucan - Options</source>
            <translation>Almucan - Optionen</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Standort</translation>
        </message>
        <message>
            <source>Place:</source>
            <translation>Ort:</translation>
        </message>
        <message>
            <source>city name, e.g. Tromsø</source>
            <translation>Stadtname, z. B. Tromsø</translation>
        </message>
        <message>
            <source>Long.:</source>
            <translation>Länge:</translation>
        </message>
        <message>
            <source>decimal, East = +</source>
            <translation>dezimal, Ost = +</translation>
        </message>
        <message>
            <source>Lat.:</source>
            <translation>Breite:</translation>
        </message>
        <message>
            <source>decimal, North = +</source>
            <translation>dezimal, Nord = +</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zeitzone:</translation>
        </message>
        <message>
            <source>East = +</source>
            <translation>Ost = +</translation>
        </message>
        <message>
            <source>Zone:</source>
            <translation>Zone:</translation>
        </message>
        <message>
            <source>&amp;Precise ephemeris</source>
            <translation>&amp;Genaue Ephemeriden</translation>
        </message>
        <message>
            <source>IAU 2006/2000A with ERFA: the minute of the published almanacs</source>
            <translation>IAU 2006/2000A mit ERFA: die Minute der veröffentlichten Jahrbücher</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Speichern</translation>
        </message>
        <message>
            <source>save data</source>
            <translation>Daten speichern</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>(fixed: Time Zone above)</source>
            <translation>(fest: Zeitzone oben)</translation>
        </message>
        <message>
            <source>Sites</source>
            <translation>Beobachtungsorte</translation>
        </message>
        <message>
            <source>Kept sites: double-click a name to rename it</source>
            <translation>Gespeicherte Orte: Doppelklick auf einen Namen benennt ihn um</translation>
        </message>
        <message>
            <source>Save as s&amp;ite</source>
            <translation>Als &amp;Ort speichern</translation>
        </message>
        <message>
            <source>Keep the place above as a site under its name</source>
            <translation>Den Ort oben unter seinem Namen speichern</translation>
        </message>
        <message>
            <source>&amp;Use</source>
            <translation>Ü&amp;bernehmen</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Löschen</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintDialog</name>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Drucken</translation>
        </message>
        <message>
            <source>Margins (mm)</source>
            <translation>Ränder (mm)</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Oben:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Unten:</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Links:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Rechts:</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Schrift</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Name:</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>Textsample for above Font</source>
            <translation>Textprobe der obigen Schrift</translation>
        </message>
        <message>
            <source>&amp;Ink saver</source>
            <translation>&amp;Tinte sparen</translation>
        </message>
        <message>
            <source>night hatched instead of black; greys that stay apart in grayscale</source>
            <translation>Nacht schraffiert statt schwarz; Grautöne, die in Graustufen unterscheidbar bleiben</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Hilfe</translation>
        </message>
        <message>
            <source>Sa&amp;ve</source>
            <translation>Spei&amp;chern</translation>
        </message>
        <message>
            <source>&amp;Setup ...</source>
            <translation>&amp;Einrichten ...</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Drucken</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Abbrechen</translation>
        </message>
        <message>
            <source>PDF file: </source>
            <translation>PDF-Datei: </translation>
        </message>
        <message>
            <source>Printer: </source>
            <translation>Drucker: </translation>
        </message>
        <message>
            <source>, landscape</source>
            <translation>, quer</translation>
        </message>
        <message>
            <source>, portrait</source>
            <translation>, hoch</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintJob</name>
        <message>
            <source>No printer is available.</source>
            <translation>Kein Drucker verfügbar.</translation>
        </message>
        <message>
            <source>The printer %1 is not available.</source>
            <translation>Der Drucker %1 ist nicht verfügbar.</translation>
        </message>
        <message>
            <source>Can't write %1: %2</source>
            <translation>%1 kann nicht geschrieben werden: %2</translation>
        </message>
        <message>
            <source>The printer %1 cannot be reached.</source>
            <translation>Der Drucker %1 ist nicht erreichbar.</translation>
        </message>
        <message>
            <source>The printer %1 reported an error.</source>
            <translation>Der Drucker %1 hat einen Fehler gemeldet.</translation>
        </message>
        <message>
            <source>Can't write %1: the document is incomplete.</source>
            <translation>%1 kann nicht geschrieben werden: das Dokument ist unvollständig.</translation>
        </message>
    </context>
    <context>
        <name>ui::PrinterSetupDialog</name>
        <message>
            <source>Almucan - Print Setup</source>
            <translation>Almucan - Druckereinrichtung</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Durchsuchen...</translation>
        </message>
        <message>
            <source>PDF &amp;file:</source>
            <translation>PDF-&amp;Datei:</translation>
        </message>
        <message>
            <source>P&amp;rinter:</source>
            <translation>D&amp;rucker:</translation>
        </message>
        <message>
            <source>P&amp;aper:</source>
            <translation>P&amp;apier:</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Ausrichtung</translation>
        </message>
        <message>
            <source>P&amp;ortrait</source>
            <translation>&amp;Hochformat</translation>
        </message>
        <message>
            <source>&amp;Landscape</source>
            <translation>&amp;Querformat</translation>
        </message>
        <message>
            <source>PDF file</source>
            <translation>PDF-Datei</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>PDF-Dateien (*.pdf)</translation>
        </message>
    </context>
</TS>
