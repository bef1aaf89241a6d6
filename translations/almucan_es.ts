<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
    <context>
        <name>Messages</name>
        <message>
            <source>Error</source>
            <translation>Error</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Ayuda</translation>
        </message>
        <message>
            <source>Input error.</source>
            <translation>Error de entrada.</translation>
        </message>
        <message>
            <source>Input error - wrong value.</source>
            <translation>Error de entrada - valor incorrecto.</translation>
        </message>
        <message>
            <source>Can't write</source>
            <translation>No se puede escribir</translation>
        </message>
        <message>
            <source>to disk.</source>
            <translation>en el disco.</translation>
        </message>
        <message>
            <source>Wrong value(s) for margin(s).</source>
            <translation>Valor(es) incorrecto(s) para los márgenes.</translation>
        </message>
        <message>
            <source>Wrong value for the font size.</source>
            <translation>Valor incorrecto para el tamaño de letra.</translation>
        </message>
        <message>
            <source>Margins too large.</source>
            <translation>Márgenes demasiado grandes.</translation>
        </message>
        <message>
            <source>Unknown paper format.</source>
            <translation>Formato de papel desconocido.</translation>
        </message>
        <message>
            <source>Please choose US Letter or DIN A4 at printer setup.</source>
            <translation>Elija US Letter o DIN A4 en la configuración de la impresora.</translation>
        </message>
        <message>
            <source>The calculation failed:</source>
            <translation>El cálculo ha fallado:</translation>
        </message>
        <message>
            <source>The page could not be printed.</source>
            <translation>No se pudo imprimir la página.</translation>
        </message>
        <message>
            <source>The dark nights could not be exported:</source>
            <translation>No se pudieron exportar las noches oscuras:</translation>
        </message>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Imprimir</translation>
        </message>
        <message>
            <source>The month page was written to</source>
            <translation>La página del mes se ha escrito en</translation>
        </message>
        <message>
            <source>The nights page was written to</source>
            <translation>La página de noches se ha escrito en</translation>
        </message>
        <message>
            <source>The year chart was written to</source>
            <translation>El gráfico del año se ha escrito en</translation>
        </message>
        <message>
            <source>The compare page was written to</source>
            <translation>La página de comparación se ha escrito en</translation>
        </message>
        <message>
            <source>Place: type the site's name</source>
            <translation>Lugar: escriba el nombre del lugar</translation>
        </message>
        <message>
            <source>Place: a name cannot hold a tab</source>
            <translation>Lugar: un nombre no puede contener tabuladores</translation>
        </message>
        <message>
            <source>Zone: not a zone of the time zone database</source>
            <translation>Zona: no es una zona de la base de datos de husos horarios</translation>
        </message>
        <message>
            <source>Input the month (format yyyymm) and activate 'Summertime'</source>
            <translation>Escriba el mes (formato aaaamm) y active 'Horario de verano'</translation>
        </message>
        <message>
            <source>if necessary. Then click 'Calculate' to print the times and</source>
            <translation>si es necesario. Pulse luego 'Calcular' para mostrar las horas</translation>
        </message>
        <message>
            <source>draw a graph.</source>
            <translation>y dibujar el gráfico.</translation>
        </message>
        <message>
            <source>Legend:</source>
            <translation>Leyenda:</translation>
        </message>
        <message>
            <source>Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for</source>
            <translation>Moon, Sun, Ast.Twilight, D.a.n.M. = salida y puesta de la</translation>
        </message>
        <message>
            <source>     moon and sun, begin and end of astr. twilight, begin</source>
            <translation>     Luna y del Sol, inicio y fin del crepúsculo astr., inicio</translation>
        </message>
        <message>
            <source>     and end of time where it is dark and the moon is not</source>
            <translation>     y fin del tiempo en que está oscuro y la Luna no es</translation>
        </message>
        <message>
            <source>     visible (D.a.n.M. = Dark and no Moon).</source>
            <translation>     visible (D.a.n.M. = oscuro y sin Luna).</translation>
        </message>
        <message>
            <source>     ----    no rise or set on this day</source>
            <translation>     ----    sin salida ni puesta este día</translation>
        </message>
        <message>
            <source>     a.h.  (always) above horizon</source>
            <translation>     a.h.  (siempre) sobre el horizonte</translation>
        </message>
        <message>
            <source>     b.h.  (always) below horizon</source>
            <translation>     b.h.  (siempre) bajo el horizonte</translation>
        </message>
        <message>
            <source>     a.b.  always bright</source>
            <translation>     a.b.  siempre claro</translation>
        </message>
        <message>
            <source>     a.d.  always dark</source>
            <translation>     a.d.  siempre oscuro</translation>
        </message>
        <message>
            <source>Phase = Moonphases</source>
            <translation>Phase = fases de la Luna</translation>
        </message>
        <message>
            <source>The diagram shows night (black), dusk and dawn (dark grey),</source>
            <translation>El gráfico muestra la noche (negro), el crepúsculo (gris oscuro),</translation>
        </message>
        <message>
            <source>daylight (light grey) and moon (yellow).</source>
            <translation>el día (gris claro) y la Luna (amarillo).</translation>
        </message>
        <message>
            <source>A monthly almanac of rise and set times for the Sun and the Moon,</source>
            <translation>Un almanaque mensual de las horas de salida y puesta del Sol y la Luna,</translation>
        </message>
        <message>
            <source>computed with low-precision solar and lunar theories.</source>
            <translation>calculadas con teorías solar y lunar de baja precisión.</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License (GPL-3.0-or-later).</source>
            <translation>Software libre bajo la GNU General Public License (GPL-3.0-or-later).</translation>
        </message>
        <message>
            <source>The program calculates for one given month the rise</source>
            <translation>El programa calcula para un mes dado las horas de salida</translation>
        </message>
        <message>
            <source>and set times for the sun and the moon, begin and</source>
            <translation>y puesta del Sol y de la Luna, el inicio y</translation>
        </message>
        <message>
            <source>end of the astronomical twilight and the times when</source>
            <translation>el fin del crepúsculo astronómico y las horas en que</translation>
        </message>
        <message>
            <source>it is astronomical dark and the moon is not visible.</source>
            <translation>es de noche astronómica y la Luna no es visible.</translation>
        </message>
        <message>
            <source>Input longitude (in decimal format, east is positive and west</source>
            <translation>Escriba la longitud (decimal, este positivo y oeste</translation>
        </message>
        <message>
            <source>is negative) and latidude (in decimal format, north is positive</source>
            <translation>negativo) y la latitud (decimal, norte positivo</translation>
        </message>
        <message>
            <source>and south is negative) of your geographical location and the</source>
            <translation>y sur negativo) de su lugar y la zona horaria</translation>
        </message>
        <message>
            <source>timezone (east is positive and west is negative). Click 'Save'</source>
            <translation>(este positivo y oeste negativo). Pulse 'Guardar' para</translation>
        </message>
        <message>
            <source>to save the data or 'Cancel' to abort.</source>
            <translation>guardar los datos o 'Cancelar' para salir.</translation>
        </message>
        <message>
            <source>Input the margins (in mm) and choose a font and the font</source>
            <translation>Escriba los márgenes (en mm) y elija un tipo de letra y su</translation>
        </message>
        <message>
            <source>size for printing. Click 'Save' to save margins and fonts,</source>
            <translation>tamaño para imprimir. 'Guardar' guarda márgenes y letra,</translation>
        </message>
        <message>
            <source>click 'Print' to print the data.</source>
            <translation>'Imprimir' imprime los datos.</translation>
        </message>
    </context>
    <context>
        <name>ui::MainWindow</name>
        <message>
            <source>Export dark nights</source>
            <translation>Exportar noches oscuras</translation>
        </message>
        <message>
            <source>iCalendar files (*.ics)</source>
            <translation>Archivos iCalendar (*.ics)</translation>
        </message>
        <message>
            <source>Month:</source>
            <translation>Mes:</translation>
        </message>
        <message>
            <source>yyyymm / 1900 - 2100</source>
            <translation>aaaamm / 1900 - 2100</translation>
        </message>
        <message>
            <source>Summer&amp;time</source>
            <translation>Horario de &amp;verano</translation>
        </message>
        <message>
            <source>summertime</source>
            <translation>horario de verano</translation>
        </message>
        <message>
            <source>&amp;Calculate</source>
            <translation>&amp;Calcular</translation>
        </message>
        <message>
            <source>Start calculation</source>
            <translation>Iniciar el cálculo</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>Previous month (Page Up)</source>
            <translation>Mes anterior (Re Pág)</translation>
        </message>
        <message>
            <source>Next month (Page Down)</source>
            <translation>Mes siguiente (Av Pág)</translation>
        </message>
        <message>
            <source>Site (keep sites in File &gt; Options)</source>
            <translation>Lugar (guarde lugares en Archivo &gt; Opciones)</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Archivo</translation>
        </message>
        <message>
            <source>&amp;Options...</source>
            <translation>&amp;Opciones...</translation>
        </message>
        <message>
            <source>&amp;Print...</source>
            <translation>&amp;Imprimir...</translation>
        </message>
        <message>
            <source>&amp;Export dark nights...</source>
            <translation>&amp;Exportar noches oscuras...</translation>
        </message>
        <message>
            <source>&amp;Info</source>
            <translation>&amp;Información</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Salir</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;Ver</translation>
        </message>
        <message>
            <source>&amp;Today</source>
            <translation>&amp;Hoy</translation>
        </message>
        <message>
            <source>&amp;Previous month</source>
            <translation>Mes &amp;anterior</translation>
        </message>
        <message>
            <source>&amp;Next month</source>
            <translation>Mes &amp;siguiente</translation>
        </message>
        <message>
            <source>Night &amp;vision</source>
            <translation>&amp;Visión nocturna</translation>
        </message>
        <message>
            <source>Rise and Set for Sun and Moon</source>
            <translation>Salida y puesta del Sol y la Luna</translation>
        </message>
        <message>
            <source> (summer time)</source>
            <translation> (horario de verano)</translation>
        </message>
        <message>
            <source> (standard time)</source>
            <translation> (horario estándar)</translation>
        </message>
        <message>
            <source> (summer time %1 - %2)</source>
            <translation> (horario de verano %1 - %2)</translation>
        </message>
        <message>
            <source> (summer time until %1)</source>
            <translation> (horario de verano hasta el %1)</translation>
        </message>
        <message>
            <source> (summer time from %1)</source>
            <translation> (horario de verano desde el %1)</translation>
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
            <translation> - efemérides precisas (UAI 2006/2000A, ERFA)</translation>
        </message>
        <message>
            <source>&amp;Days</source>
            <translation>&amp;Días</translation>
        </message>
        <message>
            <source>N&amp;ights</source>
            <translation>&amp;Noches</translation>
        </message>
        <message>
            <source>&amp;Year chart</source>
            <translation>Gráfico del &amp;año</translation>
        </message>
        <message>
            <source>&amp;Compare sites</source>
            <translation>&amp;Comparar lugares</translation>
        </message>
        <message>
            <source>D&amp;arkness</source>
            <translation>&amp;Oscuridad</translation>
        </message>
        <message>
            <source>&amp;Astronomical (Sun below -18°)</source>
            <translation>&amp;Astronómica (Sol bajo -18°)</translation>
        </message>
        <message>
            <source>&amp;Nautical (Sun below -12°)</source>
            <translation>&amp;Náutica (Sol bajo -12°)</translation>
        </message>
        <message>
            <source>&amp;Civil (Sun below -6°)</source>
            <translation>&amp;Civil (Sol bajo -6°)</translation>
        </message>
        <message>
            <source>&amp;Moon limit</source>
            <translation>Límite de la &amp;Luna</translation>
        </message>
        <message>
            <source>&amp;0 % (no Moon up)</source>
            <translation>&amp;0 % (sin Luna sobre el horizonte)</translation>
        </message>
        <message>
            <source>Moon up to &amp;%1 %</source>
            <translation>Luna hasta &amp;%1 %</translation>
        </message>
        <message>
            <source>Sites c&amp;ompared</source>
            <translation>Lugares c&amp;omparados</translation>
        </message>
        <message>
            <source>astronomical darkness</source>
            <translation>oscuridad astronómica</translation>
        </message>
        <message>
            <source>nautical darkness</source>
            <translation>oscuridad náutica</translation>
        </message>
        <message>
            <source>civil darkness</source>
            <translation>oscuridad civil</translation>
        </message>
        <message>
            <source>Moon up to %1 %</source>
            <translation>Luna hasta %1 %</translation>
        </message>
        <message>
            <source>no Moon up</source>
            <translation>sin Luna sobre el horizonte</translation>
        </message>
        <message>
            <source>Nights of %1 %2 (%3)</source>
            <translation>Noches de %1 de %2 (%3)</translation>
        </message>
        <message>
            <source>Year chart %1 (%2)</source>
            <translation>Gráfico del año %1 (%2)</translation>
        </message>
        <message>
            <source>Sites compared, %1 %2 (%3)</source>
            <translation>Lugares comparados, %1 de %2 (%3)</translation>
        </message>
    </context>
    <context>
        <name>ui::OptionsDialog</name>
        <message>
            <source>Almucan - Options</source>
            <translation>Almucan - Opciones</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>Ubicación</translation>
        </message>
        <message>
            <source>Place:</source>
            <translation>Lugar:</translation>
        </message>
        <message>
            <source>city name, e.g. Tromsø</source>
            <translation>nombre de ciudad, p. ej. Tromsø</translation>
        </message>
        <message>
            <source>Long.:</source>
            <translation>Long.:</translation>
        </message>
        <message>
            <source>decimal, East = +</source>
            <translation>decimal, Este = +</translation>
        </message>
        <message>
            <source>Lat.:</source>
            <translation>Lat.:</translation>
        </message>
        <message>
            <source>decimal, North = +</source>
            <translation>decimal, Norte = +</translation>
        </message>
        <message>
            <source>Time Zone:</source>
            <translation>Zona horaria:</translation>
        </message>
        <message>
            <source>East = +</source>
            <translation>Este = +</translation>
        </message>
        <message>
            <source>Zone:</source>
            <translation>Zona:</translation>
        </message>
        <message>
            <source>&amp;Precise ephemeris</source>
            <translation>Efemérides &amp;precisas</translation>
        </message>
        <message>
            <source>IAU 2006/2000A with ERFA: the minute of the published almanacs</source>
            <translation>UAI 2006/2000A con ERFA: el minuto de los almanaques publicados</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>&amp;Save</source>
            <translation>&amp;Guardar</translation>
        </message>
        <message>
            <source>save data</source>
            <translation>guardar los datos</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>(fixed: Time Zone above)</source>
            <translation>(fija: zona horaria de arriba)</translation>
        </message>
        <message>
            <source>Sites</source>
            <translation>Lugares</translation>
        </message>
        <message>
            <source>Kept sites: double-click a name to rename it</source>
            <translation>Lugares guardados: doble clic en un nombre para cambiarlo</translation>
        </message>
        <message>
            <source>Save as s&amp;ite</source>
            <translation>Guardar como l&amp;ugar</translation>
        </message>
        <message>
            <source>Keep the place above as a site under its name</source>
            <translation>Guardar el lugar de arriba con su nombre</translation>
        </message>
        <message>
            <source>&amp;Use</source>
            <translation>&amp;Usar</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Borrar</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintDialog</name>
        <message>
            <source>Almucan - Print</source>
            <translation>Almucan - Imprimir</translation>
        </message>
        <message>
            <source>Margins (mm)</source>
            <translation>Márgenes (mm)</translation>
        </message>
        <message>
            <source>Top:</source>
            <translation>Superior:</translation>
        </message>
        <message>
            <source>Bottom:</source>
            <translation>Inferior:</translation>
        </message>
        <message>
            <source>Left:</source>
            <translation>Izquierdo:</translation>
        </message>
        <message>
            <source>Right:</source>
            <translation>Derecho:</translation>
        </message>
        <message>
            <source>Font</source>
            <translation>Letra</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>Nombre:</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Tamaño:</translation>
        </message>
        <message>
            <source>Textsample for above Font</source>
            <translation>Muestra de texto de la letra de arriba</translation>
        </message>
        <message>
            <source>&amp;Ink saver</source>
            <translation>Ahorro de &amp;tinta</translation>
        </message>
        <message>
            <source>night hatched instead of black; greys that stay apart in grayscale</source>
            <translation>noche rayada en vez de negra; grises que se distinguen en escala de grises</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;yuda</translation>
        </message>
        <message>
            <source>Sa&amp;ve</source>
            <translation>Guar&amp;dar</translation>
        </message>
        <message>
            <source>&amp;Setup ...</source>
            <translation>&amp;Configurar ...</translation>
        </message>
        <message>
            <source>&amp;Print</source>
            <translation>&amp;Imprimir</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Cancelar</translation>
        </message>
        <message>
            <source>PDF file: </source>
            <translation>Archivo PDF: </translation>
        </message>
        <message>
            <source>Printer: </source>
            <translation>Impresora: </translation>
        </message>
        <message>
            <source>, landscape</source>
            <translation>, horizontal</translation>
        </message>
        <message>
            <source>, portrait</source>
            <translation>, vertical</translation>
        </message>
    </context>
    <context>
        <name>ui::PrintJob</name>
        <message>
            <source>No printer is available.</source>
            <translation>No hay ninguna impresora disponible.</translation>
        </message>
        <message>
            <source>The printer %1 is not available.</source>
            <translation>La impresora %1 no está disponible.</translation>
        </message>
        <message>
            <source>Can't write %1: %2</source>
            <translation>No se puede escribir %1: %2</translation>
        </message>
        <message>
            <source>The printer %1 cannot be reached.</source>
            <translation>No se puede acceder a la impresora %1.</translation>
        </message>
        <message>
            <source>The printer %1 reported an error.</source>
            <translation>La impresora %1 ha informado de un error.</translation>
        </message>
        <message>
            <source>Can't write %1: the document is incomplete.</source>
            <translation>No se puede escribir %1: el documento está incompleto.</translation>
        </message>
    </context>
    <context>
        <name>ui::PrinterSetupDialog</name>
        <message>
            <source>Almucan - Print Setup</source>
            <translation>Almucan - Configurar impresión</translation>
        </message>
        <message>
            <source>&amp;Browse...</source>
            <translation>&amp;Examinar...</translation>
        </message>
        <message>
            <source>PDF &amp;file:</source>
            <translation>&amp;Archivo PDF:</translation>
        </message>
        <message>
            <source>P&amp;rinter:</source>
            <translation>Imp&amp;resora:</translation>
        </message>
        <message>
            <source>P&amp;aper:</source>
            <translation>P&amp;apel:</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>Orientación</translation>
        </message>
        <message>
            <source>P&amp;ortrait</source>
            <translation>&amp;Vertical</translation>
        </message>
        <message>
            <source>&amp;Landscape</source>
            <translation>&amp;Horizontal</translation>
        </message>
        <message>
            <source>PDF file</source>
            <translation>Archivo PDF</translation>
        </message>
        <message>
            <source>PDF files (*.pdf)</source>
            <translation>Archivos PDF (*.pdf)</translation>
        </message>
    </context>
</TS>
