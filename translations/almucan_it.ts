<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
    <context>
        <name>Messages</name>
        <message>
            <source>Error</source>
            <translation>Errore</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Guida</translation>
        </message>
        <message>
            <source>Input error.</source>
            <translation>Errore di inserimento.</translation>
        </message>
        <message>
            <source>Input error - wrong value.</source>
            <translation>Errore di inserimento - valore errato.</translation>
        </message>
        <message>
            <source>Can't write</source>
            <translation>Impossibile scrivere</translation>
        </message>
        <message>
            <source>to disk.</source>
            <translation>sul disco.</translation>
        </message>
        <message>
            <source>Wrong value(s) for margin(s).</source>
            <translation>Valore/i errato/i per i margini.</translation>
        </message>
        <message>
            <source>Wrong value for the font size.</source>
            <translation>Valore errato per la dimensione del carattere.</translation>
        </message>
        <message>
            <source>Margins too large.</source>
            <translation>Margini troppo grandi.</translation>
        </message>
        <message>
            <source>Unknown paper format.</source>
            <translation>Formato carta sconosciuto.</translation>
        </message>
        <message>
            <source>Please choose US Letter or DIN A4 at printer setup.</source>
            <translation>Scegliere US Letter o DIN A4 nell'impostazione della stampante.</translation>
        </message>
        <message>
            <source>The calculation failed:</source>
            <translation>Il calcolo non è riuscito:</translation>
        </message>
        <message>
            <source>The page could not be printed.</source>
            <translation>Non è stato possibile stampare la pagina.</translation>
        </message>
        <message>
            <source>The dark nights could not be exported:</source>
            <translation>Non è stato possibile esportare le notti buie:</translation>
        </message>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Stampa</translation>
        </message>
        <message>
            <source>The month page was written to</source>
            <translation>La pagina del mese è stata scritta in</translation>
        </message>
        <message>
            <source>The nights page was written to</source>
            <translation>La pagina delle notti è stata scritta in</translation>
        </message>
        <message>
            <source>The year chart was written to</source>
            <translation>Il grafico dell'anno è stato scritto in</translation>
        </message>
        <message>
            <source>The compare page was written to</source>
            <translation>La pagina di confronto è stata scritta in</translation>
        </message>
        <message>
            <source>Place: type the site's name</source>
            <translation>Luogo: digitare il nome del sito</translation>
        </message>
        <message>
            <source>Place: a name cannot hold a tab</source>
            <translation>Luogo: un nome non può contenere tabulazioni</translation>
        </message>
        <message>
            <source>Zone: not a zone of the time zone database</source>
            <translation>Fuso: non è un fuso della banca dati dei fusi orari</translation>
        </message>
        <message>
            <source>Input the month (format yyyymm) and activate 'Summertime'</source>
            <translation>Inserire il mese (formato aaaamm) e attivare 'Ora legale'</translation>
        </message>
        <message>
            <source>if necessary. Then click 'Calculate' to print the times and</source>
            <translation>se necessario. Fare clic su 'Calcola' per mostrare gli orari</translation>
        </message>
        <message>
            <source>draw a graph.</source>
            <translation>e disegnare il grafico.</translation>
        </message>
        <message>
            <source>Legend:</source>
            <translation>Legenda:</translation>
        </message>
        <message>
            <source>Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for</source>
            <translation>Moon, Sun, Ast.Twilight, D.a.n.M. = sorgere e tramonto della</translation>
        </message>
        <message>
            <source>     moon and sun, begin and end of astr. twilight, begin</source>
            <translation>     Luna e del Sole, inizio e fine del crepuscolo astr., inizio</translation>
        </message>
        <message>
            <source>     and end of time where it is dark and the moon is not</source>
            <translation>     e fine del tempo in cui è buio e la Luna non è</translation>
        </message>
        <message>
            <source>     visible (D.a.n.M. = Dark and no Moon).</source>
            <translation>     visibile (D.a.n.M. = buio e niente Luna).</translation>
        </message>
        <message>
            <source>     ----    no rise or set on this day</source>
            <translation>     ----    nessun sorgere o tramonto in questo giorno</translation>
        </message>
        <message>
            <source>     a.h.  (always) above horizon</source>
            <translation>     a.h.  (sempre) sopra l'orizzonte</translation>
        </message>
        <message>
            <source>     b.h.  (always) below horizon</source>
            <translation>     b.h.  (sempre) sotto l'orizzonte</translation>
        </message>
        <message>
            <source>     a.b.  always bright</source>
            <translation>     a.b.  sempre chiaro</translation>
        </message>
        <message>
            <source>     a.d.  always dark</source>
            <translation>     a.d.  sempre buio</translation>
        </message>
        <message>
            <source>Phase = Moonphases</source>
            <translation>Phase = fasi lunari</translation>
        </message>
        <message>
            <source>The diagram shows night (black), dusk and dawn (dark grey),</source>
            <translation>Il grafico mostra la notte (nero), il crepuscolo (grigio scuro),</translation>
        </message>
        <message>
            <source>daylight (light grey) and moon (yellow).</source>
            <translation>il giorno (grigio chiaro) e la Luna (giallo).</translation>
        </message>
        <message>
            <source>A monthly almanac of rise and set times for the Sun and the Moon,</source>
            <translation>Un almanacco mensile degli orari del sorgere e del tramonto di Sole e Luna,</translation>
        </message>
        <message>
            <source>computed with low-precision solar and lunar theories.</source>
            <translation>calcolati con teorie solari e lunari di bassa precisione.</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License (GPL-3.0-or-later).</source>
            <translation>Software libero sotto la GNU General Public License (GPL-3.0-or-later).</translation>
        </message>
        <message>
            <source>The program calculates for one given month the rise</source>
            <translation>Il programma calcola per un mese dato gli orari del sorgere</translation>
        </message>
        <message>
            <source>and set times for the sun and the moon, begin and</source>
            <translation>e del tramonto di Sole e Luna, l'inizio e</translation>
        </message>
        <message>
            <source>end of the astronomical twilight and the times when</source>
            <translation>la fine del crepuscolo astronomico e gli orari in cui</translation>
        </message>
        <message>
            <source>it is astronomical dark and the moon is not visible.</source>
            <translation>è buio astronomico e la Luna non è visibile.</translation>
        </message>
        <message>
            <source>Input longitude (in decimal format, east is positive and west</source>
            <translation>Inserire la longitudine (decimale, est positivo e ovest</translation>
        </message>
        <message>
            <source>is negative) and latidude (in decimal format, north is positive</source>
            <translation>negativo) e la latitudine (decimale, nord positivo</translation>
        </message>
        <message>
            <source>and south is negative) of your geographical location and the</source>
            <translation>e sud negativo) del vostro luogo e il fuso orario</translation>
        </message>
        <message>
            <source>timezone (east is positive and west is negative). Click 'Save'</source>
            <translation>(est positivo e ovest negativo). Fare clic su 'Salva'</translation>
        </message>
        <message>
            <source>to save the data or 'Cancel' to abort.</source>
            <translation>per salvare i dati o su 'Annulla' per uscire.</translation>
        </message>
        <message>
            <source>Input the margins (in mm) and choose a font and the font</source>
            <translation>Inserire i margini (in mm) e scegliere un carattere e la sua</translation>
        </message>
        <message>
            <source>size for printing. Click 'Save' to save margins and fonts,</source>
            <translation>dimensione per la stampa. 'Salva' salva margini e carattere,</translation>
        </message>
        <message>
            <source>click 'Print' to print the data.</source>
            <translation>'Stampa' stampa i dati.</translation>
        </message>
    </context>
    <context>
        <name>ui::MainWindow</name>
        <message>
            <source>Export dark nights</source>
            <translation>Esporta notti buie</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>File iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>Mese:</translation>
        </message>
        <message>
            <source>yyyymm / 1900 - 2100</source>
            <translation>aaaamm / 1900 - 2100</translation>
        </message>
        <message>
            <source>Summer&amp;time</source>
            <translation>Ora &amp;legale</translation>
        </message>
        <message>
            <source>summertime</source>
            <translation>ora legale</translation>
        </message>
        <message>
            <source>&amp;Calculate</source>
            <translation>&amp;Calcola</translation>
        </message>
        <message>
            <source>Start calculation</source>
            <translation>Avvia il calcolo</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Guida</translation>
        </message>
        <message>
            <source>Previous month (Page Up)</source>
            <translation>Mese precedente (Pag su)</translation>
        </message>
        <message>
            <source>Next month (Page Down)</source>
            <translation>Mese successivo (Pag giù)</translation>
        </message>
        <message>
            <source>Site (keep sites in File &gt; Options)</source>
            <translation>Sito (salva i siti in File &gt; Opzioni)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Options...</source>
            <translation>&amp;Opzioni...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Stampa...</translation>
        </message>
        <message>
            <source>&amp;Export dark nights...</source>
            <translation>&amp;Esporta notti buie...</translation>
        </message>
        <message>
            <source>&amp;Info</source>
            <translation>&amp;Informazioni</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Esci</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Visualizza</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>&amp;Oggi</translation>
        </message>
        <message>
            <source>&amp;Previous month</source>
            <translation>Mese &amp;precedente</translation>
        </message>
        <message>
            <source>&amp;Next month</source>
            <translation>Mese &amp;successivo</translation>
        </message>
        <message>
            <source>Night &amp;vision</source>
            <translation>&amp;Visione notturna</translation>
        </message>
        <message>
            <source>Rise and Set for Sun and Moon</source>
            <translation>Sorgere e tramonto di Sole e Luna</translation>
        </message>
        <message>
            <source> (summer time)</source>
            <translation> (ora legale)</translation>
        </message>
        <message>
            <source> (standard time)</source>
            <translation> (ora solare)</translation>
        </message>
        <message>
            <source> (summer time %1 - %2)</source>
            <translation> (ora legale %1 - %2)</translation>
        </message>
        <message>
            <source> (summer time until %1)</source>
            <translation> (ora legale fino al %1)</translation>
        </message>
        <message>
            <source> (summer time from %1)</source>
            <translation> (ora legale dal %1)</translation>
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
            <translation> O</translation>
        </message>
        <message>
            <source> E</source>
            <translation> E</translation>
        </message>
        <message>
            <source> - precise ephemeris (IAU 2006/2000A, ERFA)</source>
            <translation> - effemeridi precise (IAU 2006/2000A, ERFA)</translation>
        </message>
        <message>
            <source>&amp;Days</source>
            <translation>&amp;Giorni</translation>
        </message>
        <message>
            <source>N&amp;ights</source>
            <translation>&amp;Notti</translation>
        </message>
        <message>
            <source>&amp;Year chart</source>
            <translation>Grafico dell'&amp;anno</translation>
        </message>
        <message>
            <source>&amp;Compare sites</source>
            <translation>&amp;Confronta i siti</translation>
        </message>
        <message>
            <source>D&amp;arkness</source>
            <translation>&amp;Oscurità</translation>
        </message>
        <message>
            <source>&amp;Astronomical (Sun below -18°)</source>
            <translation>&amp;Astronomica (Sole sotto -18°)</translation>
        </message>
        <message>
            <source>&amp;Nautical (Sun below -12°)</source>
            <translation>&amp;Nautica (Sole sotto -12°)</translation>
        </message>
        <message>
            <source>&amp;Civil (Sun below -6°)</source>
            <translation>&amp;Civile (Sole sotto -6°)</translation>
        </message>
        <message>
            <source>&amp;Moon limit</source>
            <translation>Limite della &amp;Luna</translation>
        </message>
        <message>
            <source>&amp;0 % (no Moon up)</source>
            <translation>&amp;0 % (nessuna Luna sorta)</translation>
        </message>
        <message>
            <source>Moon up to &amp;%1 %</source>
            <translation>Luna fino al &amp;%1 %</translation>
        </message>
        <message>
            <source>Sites c&amp;ompared</source>
            <translation>Siti c&amp;onfrontati</translation>
        </message>
        <message>
            <source>astronomical darkness</source>
            <translation>oscurità astronomica</translation>
        </message>
        <message>
            <source>nautical darkness</source>
            <translation>oscurità nautica</translation>
        </message>
        <message>
            <source>civil darkness</source>
            <translation>oscurità civile</translation>
        </message>
        <message>
            <source>Moon up to %1 %</source>
            <translation>Luna fino al %1 %</translation>
        </message>
        <message>
            <source>no Moon up</source>
            <translation>nessuna Luna sorta</translation>
        </message>
        <message>
            <source>Nights of %1 %2 (%3)</source>
            <translation>Notti di %1 %2 (%3)</translation>
        </message>
        <message>
            <source>Year chart %1 (%2)</source>
            <translation>Grafico dell'anno %1 (%2)</translation>
        </message>
        <message>
            <source>Sites compared, %1 %2 (%3)</source>
            <translation>Siti confrontati, %1 %2 (%3)</translation>
        </message>
    </context>
    <context>
        <name>ui::OptionsDialog</name>
        <message>
            <source>Almucan - Options</source>
            <translation>Almucan - Opzioni</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Posizione</translation>
        </message>
        <message>
            <source>Place:</source>
            <translation>Luogo:</translation>
        </message>
        <message>
            <source>city name, e.g. Tromsø</source>
            <translation>nome della città, ad es. Tromsø</translation>
        </message>
        <message>
            <source>Long.:</source>
            <translation>Long.:</translation>
        </message>
        <message>
            <source>decimal, East = +</source>
            <translation>decimale, Est = +</translation>
        </message>
        <message>
            <source>Lat.:</source>
            <translation>Lat.:</translation>
        </message>
        <message>
            <source>decimal, North = +</source>
            <translation>decimale, Nord = +</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Fuso orario:</translation>
        </message>
        <message>
            <source>East = +</source>
            <translation>Est = +</translation>
        </message>
        <message>
            <source>Zone:</source>
            <translation>Fuso:</translation>
        </message>
        <message>
            <source>&amp;Precise ephemeris</source>
            <translation>Effemeridi &amp;precise</translation>
        </message>
        <message>
            <source>IAU 2006/2000A with ERFA: the minute of the published almanacs</source>
            <translation>IAU 2006/2000A con ERFA: il minuto degli almanacchi pubblicati</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Guida</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Salva</translation>
        </message>
        <message>
            <source>save data</source>
            <translation>salva i dati</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>(fixed: Time Zone above)</source>
            <translation>(fisso: fuso orario sopra)</translation>
        </message>
        <message>
            <source>Sites</source>
            <translation>Siti</translation>
        </message>
        <message>
            <source>Kept sites: double-click a name to rename it</source>
            <translation>Siti salvati: doppio clic su un nome per rinominarlo</translation>
        </message>
        <message>
            <source>Save as s&amp;ite</source>
            <translation>Salva come s&amp;ito</translation>
        </message>
        <message>
            <source>Keep the place above as a site under its name</source>
            <translation>Salva il luogo sopra come sito con il suo nome</translation>
        </message>
        <message>
            <source>&amp;Use</source>
            <translation>&amp;Usa</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Elimina</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintDialog</name>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Stampa</translation>
        </message>
        <message>
            <source>Margins (mm)</source>
            <translation>Margini (mm)</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Alto:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Basso:</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Sinistro:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Destro:</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Carattere</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Nome:</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Dimensione:</translation>
        </message>
        <message>
            <source>Textsample for above Font</source>
            <translation>Esempio di testo del carattere sopra</translation>
        </message>
        <message>
            <source>&amp;Ink saver</source>
            <translation>Risparmio &amp;inchiostro</translation>
        </message>
        <message>
            <source>night hatched instead of black; greys that stay apart in grayscale</source>
            <translation>notte tratteggiata invece che nera; grigi distinguibili in scala di grigi</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Guida</translation>
        </message>
        <message>
            <source>Sa&amp;ve</source>
            <translation>Sal&amp;va</translation>
        </message>
        <message>
            <source>&amp;Setup ...</source>
            <translation>&amp;Imposta ...</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Stampa</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annulla</translation>
        </message>
        <message>
            <source>PDF file: </source>
            <translation>File PDF: </translation>
        </message>
        <message>
            <source>Printer: </source>
            <translation>Stampante: </translation>
        </message>
        <message>
            <source>, landscape</source>
            <translation>, orizzontale</translation>
        </message>
        <message>
            <source>, portrait</source>
            <translation>, verticale</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintJob</name>
        <message>
            <source>No printer is available.</source>
            <translation>Nessuna stampante disponibile.</translation>
        </message>
        <message>
            <source>The printer %1 is not available.</source>
            <translation>La stampante %1 non è disponibile.</translation>
        </message>
        <message>
            <source>Can't write %1: %2</source>
            <translation>Impossibile scrivere %1: %2</translation>
        </message>
        <message>
            <source>The printer %1 cannot be reached.</source>
            <translation>La stampante %1 non è raggiungibile.</translation>
        </message>
        <message>
            <source>The printer %1 reported an error.</source>
            <translation>La stampante %1 ha segnalato un errore.</translation>
        </message>
        <message>
            <source>Can't write %1: the document is incomplete.</source>
            <translation>Impossibile scrivere %1: il documento è incompleto.</translation>
        </message>
    </context>
    <context>
        <name>ui::PrinterSetupDialog</name>
        <message>
            <source>Almucan - Print Setup</source>
            <translation>Almucan - Impostazione stampa</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>S&amp;foglia...</translation>
        </message>
        <message>
            <source>PDF &amp;file:</source>
            <translation>&amp;File PDF:</translation>
        </message>
        <message>
            <source>P&amp;rinter:</source>
            <translation>Sta&amp;mpante:</translation>
        </message>
        <message>
            <source>P&amp;aper:</source>
            <translation>C&amp;arta:</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientamento</translation>
        </message>
        <message>
            <source>P&amp;ortrait</source>
            <translation>&amp;Verticale</translation>
        </message>
        <message>
            <source>&amp;Landscape</source>
            <translation>&amp;Orizzontale</translation>
        </message>
        <message>
            <source>PDF file</source>
            <translation>File PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>File PDF (*.pdf)</translation>
        </message>
    </context>
</TS>
