<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
    <context>
        <name>Messages</name>
        <message>
            <source>Error</source>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Input error.</source>
            <translation>Erreur de saisie.</translation>
        </message>
        <message>
            <source>Input error - wrong value.</source>
            <translation>Erreur de saisie - valeur incorrecte.</translation>
        </message>
        <message>
            <source>Can't write</source>
            <translation>Impossible d'écrire</translation>
        </message>
        <message>
            <source>to disk.</source>
            <translation>sur le disque.</translation>
        </message>
        <message>
            <source>Wrong value(s) for margin(s).</source>
            <translation>Valeur(s) incorrecte(s) pour les marges.</translation>
        </message>
        <message>
            <source>Wrong value for the font size.</source>
            <translation>Valeur incorrecte pour la taille de police.</translation>
        </message>
        <message>
            <source>Margins too large.</source>
            <translation>Marges trop grandes.</translation>
        </message>
        <message>
            <source>Unknown paper format.</source>
            <translation>Format de papier inconnu.</translation>
        </message>
        <message>
            <source>Please choose US Letter or DIN A4 at printer setup.</source>
            <translation>Veuillez choisir US Letter ou DIN A4 dans la configuration de l'imprimante.</translation>
        </message>
        <message>
            <source>The calculation failed:</source>
            <translation>Le calcul a échoué :</translation>
        </message>
        <message>
            <source>The page could not be printed.</source>
            <translation>La page n'a pas pu être imprimée.</translation>
        </message>
        <message>
            <source>The dark nights could not be exported:</source>
            <translation>Les nuits noires n'ont pas pu être exportées :</translation>
        </message>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Imprimer</translation>
        </message>
        <message>
            <source>The month page was written to</source>
            <translation>La page du mois a été écrite dans</translation>
        </message>
        <message>
            <source>The nights page was written to</source>
            <translation>La page des nuits a été écrite dans</translation>
        </message>
        <message>
            <source>The year chart was written to</source>
            <translation>La vue de l'année a été écrite dans</translation>
        </message>
        <message>
            <source>The compare page was written to</source>
            <translation>La page de comparaison a été écrite dans</translation>
        </message>
        <message>
            <source>Place: type the site's name</source>
            <translation>Lieu : saisissez le nom du site</translation>
        </message>
        <message>
            <source>Place: a name cannot hold a tab</source>
            <translation>Lieu : un nom ne peut pas contenir de tabulation</translation>
        </message>
        <message>
            <source>Zone: not a zone of the time zone database</source>
            <translation>Fuseau : ce n'est pas un fuseau de la base des fuseaux horaires</translation>
        </message>
        <message>
            <source>Input the month (format yyyymm) and activate 'Summertime'</source>
            <translation>Saisissez le mois (format aaaamm) et cochez « Heure d'été »</translation>
        </message>
        <message>
            <source>if necessary. Then click 'Calculate' to print the times and</source>
            <translation>si nécessaire. Cliquez ensuite sur « Calculer » pour afficher les heures</translation>
        </message>
        <message>
            <source>draw a graph.</source>
            <translation>et tracer le graphique.</translation>
        </message>
        <message>
            <source>Legend:</source>
            <translation>Légende :</translation>
        </message>
        <message>
            <source>Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for</source>
            <translation>Moon, Sun, Ast.Twilight, D.a.n.M. = lever et coucher de la</translation>
        </message>
        <message>
            <source>     moon and sun, begin and end of astr. twilight, begin</source>
            <translation>     Lune et du Soleil, début et fin du crépuscule astr., début</translation>
        </message>
        <message>
            <source>     and end of time where it is dark and the moon is not</source>
            <translation>     et fin du temps où il fait nuit noire et où la Lune n'est</translation>
        </message>
        <message>
            <source>     visible (D.a.n.M. = Dark and no Moon).</source>
            <translation>     pas visible (D.a.n.M. = nuit noire, pas de Lune).</translation>
        </message>
        <message>
            <source>     ----    no rise or set on this day</source>
            <translation>     ----    pas de lever ni de coucher ce jour</translation>
        </message>
        <message>
            <source>     a.h.  (always) above horizon</source>
            <translation>     a.h.  (toujours) au-dessus de l'horizon</translation>
        </message>
        <message>
            <source>     b.h.  (always) below horizon</source>
            <translation>     b.h.  (toujours) sous l'horizon</translation>
        </message>
        <message>
            <source>     a.b.  always bright</source>
            <translation>     a.b.  toujours clair</translation>
        </message>
        <message>
            <source>     a.d.  always dark</source>
            <translation>     a.d.  toujours nuit noire</translation>
        </message>
        <message>
            <source>Phase = Moonphases</source>
            <translation>Phase = phases de la Lune</translation>
        </message>
        <message>
            <source>The diagram shows night (black), dusk and dawn (dark grey),</source>
            <translation>Le graphique montre la nuit (noir), le crépuscule et l'aube (gris foncé),</translation>
        </message>
        <message>
            <source>daylight (light grey) and moon (yellow).</source>
            <translation>le jour (gris clair) et la Lune (jaune).</translation>
        </message>
        <message>
            <source>A monthly almanac of rise and set times for the Sun and the Moon,</source>
            <translation>Un almanach mensuel des heures de lever et de coucher du Soleil et de la Lune,</translation>
        </message>
        <message>
            <source>computed with low-precision solar and lunar theories.</source>
            <translation>calculées avec des théories solaire et lunaire de faible précision.</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License (GPL-3.0-or-later).</source>
            <translation>Logiciel libre sous la GNU General Public License (GPL-3.0-or-later).</translation>
        </message>
        <message>
            <source>The program calculates for one given month the rise</source>
            <translation>Le programme calcule pour un mois donné les heures de lever</translation>
        </message>
        <message>
            <source>and set times for the sun and the moon, begin and</source>
            <translation>et de coucher du Soleil et de la Lune, le début et</translation>
        </message>
        <message>
            <source>end of the astronomical twilight and the times when</source>
            <translation>la fin du crépuscule astronomique et les heures où</translation>
        </message>
        <message>
            <source>it is astronomical dark and the moon is not visible.</source>
            <translation>il fait nuit astronomique et la Lune n'est pas visible.</translation>
        </message>
        <message>
            <source>Input longitude (in decimal format, east is positive and west</source>
            <translation>Saisissez la longitude (décimale, est positif et ouest</translation>
        </message>
        <message>
            <source>is negative) and latidude (in decimal format, north is positive</source>
            <translation>négatif) et la latitude (décimale, nord positif</translation>
        </message>
        <message>
            <source>and south is negative) of your geographical location and the</source>
            <translation>et sud négatif) de votre lieu et le fuseau horaire</translation>
        </message>
        <message>
            <source>timezone (east is positive and west is negative). Click 'Save'</source>
            <translation>(est positif et ouest négatif). Cliquez sur « Enregistrer »</translation>
        </message>
        <message>
            <source>to save the data or 'Cancel' to abort.</source>
            <translation>pour enregistrer ou sur « Annuler » pour abandonner.</translation>
        </message>
        <message>
            <source>Input the margins (in mm) and choose a font and the font</source>
            <translation>Saisissez les marges (en mm) et choisissez une police et sa</translation>
        </message>
        <message>
            <source>size for printing. Click 'Save' to save margins and fonts,</source>
            <translation>taille pour l'impression. « Enregistrer » garde marges et police,</translation>
        </message>
        <message>
            <source>click 'Print' to print the data.</source>
            <translation>« Imprimer » imprime les données.</translation>
        </message>
    </context>
    <context>
        <name>ui::MainWindow</name>
        <message>
            <source>Export dark nights</source>
            <translation>Exporter les nuits noires</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>Fichiers iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>Mois :</translation>
        </message>
        <message>
            <source>yyyymm / 1900 - 2100</source>
            <translation>aaaamm / 1900 - 2100</translation>
        </message>
        <message>
            <source>Summer&amp;time</source>
            <translation>&amp;Heure d'été</translation>
        </message>
        <message>
            <source>summertime</source>
            <translation>heure d'été</translation>
        </message>
        <message>
            <source>&amp;Calculate</source>
            <translation>&amp;Calculer</translation>
        </message>
        <message>
            <source>Start calculation</source>
            <translation>Lancer le calcul</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>Previous month (Page Up)</source>
            <translation>Mois précédent (Page préc.)</translation>
        </message>
        <message>
            <source>Next month (Page Down)</source>
            <translation>Mois suivant (Page suiv.)</translation>
        </message>
        <message>
            <source>Site (keep sites in File &gt; Options)</source>
            <translation>Site (enregistrer les sites dans Fichier &gt; Options)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>&amp;Options...</source>
            <translation>&amp;Options...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Imprimer...</translation>
        </message>
        <message>
            <source>&amp;Export dark nights...</source>
            <translation>&amp;Exporter les nuits noires...</translation>
        </message>
        <message>
            <source>&amp;Info</source>
            <translation>À &amp;propos</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Affichage</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>&amp;Aujourd'hui</translation>
        </message>
        <message>
            <source>&amp;Previous month</source>
            <translation>Mois &amp;précédent</translation>
        </message>
        <message>
            <source>&amp;Next month</source>
            <translation>Mois &amp;suivant</translation>
        </message>
        <message>
            <source>Night &amp;vision</source>
            <translation>&amp;Vision nocturne</translation>
        </message>
        <message>
            <source>Rise and Set for Sun and Moon</source>
            <translation>Lever et coucher du Soleil et de la Lune</translation>
        </message>
        <message>
            <source> (summer time)</source>
            <translation> (heure d'été)</translation>
        </message>
        <message>
            <source> (standard time)</source>
            <translation> (heure normale)</translation>
        </message>
        <message>
            <source> (summer time %1 - %2)</source>
            <translation> (heure d'été %1 - %2)</translation>
        </message>
        <message>
            <source> (summer time until %1)</source>
            <translation> (heure d'été jusqu'au %1)</translation>
        </message>
        <message>
            <source> (summer time from %1)</source>
            <translation> (heure d'été dès le %1)</translation>
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
            <translation> - éphémérides précises (UAI 2006/2000A, ERFA)</translation>
        </message>
        <message>
            <source>&amp;Days</source>
            <translation>&amp;Jours</translation>
        </message>
        <message>
            <source>N&amp;ights</source>
            <translation>&amp;Nuits</translation>
        </message>
        <message>
            <source>&amp;Year chart</source>
            <translation>Vue de l'&amp;année</translation>
        </message>
        <message>
            <source>&amp;Compare sites</source>
            <translation>&amp;Comparer les sites</translation>
        </message>
        <message>
            <source>D&amp;arkness</source>
            <translation>&amp;Obscurité</translation>
        </message>
        <message>
            <source>&amp;Astronomical (Sun below -18°)</source>
            <translation>&amp;Astronomique (Soleil sous -18°)</translation>
        </message>
        <message>
            <source>&amp;Nautical (Sun below -12°)</source>
            <translation>&amp;Nautique (Soleil sous -12°)</translation>
        </message>
        <message>
            <source>&amp;Civil (Sun below -6°)</source>
            <translation>&amp;Civile (Soleil sous -6°)</translation>
        </message>
        <message>
            <source>&amp;Moon limit</source>
            <translation>Limite de la &amp;Lune</translation>
        </message>
        <message>
            <source>&amp;0 % (no Moon up)</source>
            <translation>&amp;0 % (pas de Lune levée)</translation>
        </message>
        <message>
            <source>Moon up to &amp;%1 %</source>
            <translation>Lune jusqu'à &amp;%1 %</translation>
        </message>
        <message>
            <source>Sites c&amp;ompared</source>
            <translation>Sites c&amp;omparés</translation>
        </message>
        <message>
            <source>astronomical darkness</source>
            <translation>obscurité astronomique</translation>
        </message>
        <message>
            <source>nautical darkness</source>
            <translation>obscurité nautique</translation>
        </message>
        <message>
            <source>civil darkness</source>
            <translation>obscurité civile</translation>
        </message>
        <message>
            <source>Moon up to %1 %</source>
            <translation>Lune jusqu'à %1 %</translation>
        </message>
        <message>
            <source>no Moon up</source>
            <translation>pas de Lune levée</translation>
        </message>
        <message>
            <source>Nights of %1 %2 (%3)</source>
            <translation>Nuits de %1 %2 (%3)</translation>
        </message>
        <message>
            <source>Year chart %1 (%2)</source>
            <translation>Vue de l'année %1 (%2)</translation>
        </message>
        <message>
            <source>Sites compared, %1 %2 (%3)</source>
            <translation>Sites comparés, %1 %2 (%3)</translation>
        </message>
    </context>
    <context>
        <name>ui::OptionsDialog</name>
        <message>
            <source>Almucan - Options</source>
            <translation>Almucan - Options</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Emplacement</translation>
        </message>
        <message>
            <source>Place:</source>
            <translation>Lieu :</translation>
        </message>
        <message>
            <source>city name, e.g. Tromsø</source>
            <translation>nom de ville, p. ex. Tromsø</translation>
        </message>
        <message>
            <source>Long.:</source>
            <translation>Long. :</translation>
        </message>
        <message>
            <source>decimal, East = +</source>
            <translation>décimale, Est = +</translation>
        </message>
        <message>
            <source>Lat.:</source>
            <translation>Lat. :</translation>
        </message>
        <message>
            <source>decimal, North = +</source>
            <translation>décimale, Nord = +</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Fuseau horaire :</translation>
        </message>
        <message>
            <source>East = +</source>
            <translation>Est = +</translation>
        </message>
        <message>
            <source>Zone:</source>
            <translation>Fuseau :</translation>
        </message>
        <message>
            <source>&amp;Precise ephemeris</source>
            <translation>Éphémérides &amp;précises</translation>
        </message>
        <message>
            <source>IAU 2006/2000A with ERFA: the minute of the published almanacs</source>
            <translation>UAI 2006/2000A avec ERFA : la minute des éphémérides publiées</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>save data</source>
            <translation>enregistrer les données</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>(fixed: Time Zone above)</source>
            <translation>(fixe : fuseau horaire ci-dessus)</translation>
        </message>
        <message>
            <source>Sites</source>
            <translation>Sites</translation>
        </message>
        <message>
            <source>Kept sites: double-click a name to rename it</source>
            <translation>Sites enregistrés : double-cliquez sur un nom pour le renommer</translation>
        </message>
        <message>
            <source>Save as s&amp;ite</source>
            <translation>Enregistrer comme s&amp;ite</translation>
        </message>
        <message>
            <source>Keep the place above as a site under its name</source>
            <translation>Garder le lieu ci-dessus comme site sous son nom</translation>
        </message>
        <message>
            <source>&amp;Use</source>
            <translation>&amp;Utiliser</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>Su&amp;pprimer</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintDialog</name>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Imprimer</translation>
        </message>
        <message>
            <source>Margins (mm)</source>
            <translation>Marges (mm)</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Haut :</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Bas :</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Gauche :</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Droite :</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Police</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Nom :</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Taille :</translation>
        </message>
        <message>
            <source>Textsample for above Font</source>
            <translation>Exemple de texte de la police ci-dessus</translation>
        </message>
        <message>
            <source>&amp;Ink saver</source>
            <translation>Économie d'&amp;encre</translation>
        </message>
        <message>
            <source>night hatched instead of black; greys that stay apart in grayscale</source>
            <translation>nuit hachurée au lieu de noire ; gris qui restent distincts en niveaux de gris</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>Sa&amp;ve</source>
            <translation>En&amp;registrer</translation>
        </message>
        <message>
            <source>&amp;Setup ...</source>
            <translation>&amp;Configuration ...</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimer</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>PDF file: </source>
            <translation>Fichier PDF : </translation>
        </message>
        <message>
            <source>Printer: </source>
            <translation>Imprimante : </translation>
        </message>
        <message>
            <source>, landscape</source>
            <translation>, paysage</translation>
        </message>
        <message>
            <source>, portrait</source>
            <translation>, portrait</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintJob</name>
        <message>
            <source>No printer is available.</source>
            <translation>Aucune imprimante n'est disponible.</translation>
        </message>
        <message>
            <source>The printer %1 is not available.</source>
            <translation>L'imprimante %1 n'est pas disponible.</translation>
        </message>
        <message>
            <source>Can't write %1: %2</source>
            <translation>Impossible d'écrire %1 : %2</translation>
        </message>
        <message>
            <source>The printer %1 cannot be reached.</source>
            <translation>L'imprimante %1 est injoignable.</translation>
        </message>
        <message>
            <source>The printer %1 reported an error.</source>
            <translation>L'imprimante %1 a signalé une erreur.</translation>
        </message>
        <message>
            <source>Can't write %1: the document is incomplete.</source>
            <translation>Impossible d'écrire %1 : le document est incomplet.</translation>
        </message>
    </context>
    <context>
        <name>ui::PrinterSetupDialog</name>
        <message>
            <source>Almucan - Print Setup</source>
            <translation>Almucan - Configuration de l'impression</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Parcourir...</translation>
        </message>
        <message>
            <source>PDF &amp;file:</source>
            <translation>&amp;Fichier PDF :</translation>
        </message>
        <message>
            <source>P&amp;rinter:</source>
            <translation>Imp&amp;rimante :</translation>
        </message>
        <message>
            <source>P&amp;aper:</source>
            <translation>P&amp;apier :</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientation</translation>
        </message>
        <message>
            <source>P&amp;ortrait</source>
            <translation>P&amp;ortrait</translation>
        </message>
        <message>
            <source>&amp;Landscape</source>
            <translation>Pa&amp;ysage</translation>
        </message>
        <message>
            <source>PDF file</source>
            <translation>Fichier PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Fichiers PDF (*.pdf)</translation>
        </message>
    </context>
</TS>
