<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>wavora::rs</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers in read-outs and in the pictures (files keep &quot;.&quot;).</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>Empty Slide</source>
        <translation>Diapositiva vacía</translation>
    </message>
    <message>
        <source>Choose an object to explore.</source>
        <translation>Elija un objeto para explorar.</translation>
    </message>
    <message>
        <source>Empty Tank</source>
        <translation>Cubeta vacía</translation>
    </message>
    <message>
        <source>Wavora</source>
        <translation>Wavora</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Mandos</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herram.</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experimento</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nueva diapositiva</translation>
    </message>
    <message>
        <source>Delete Slide</source>
        <translation>Eliminar diapositiva</translation>
    </message>
    <message>
        <source>Drips</source>
        <translation>Gotas</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rápido</translation>
    </message>
    <message>
        <source>Slide </source>
        <translation>Diapositiva </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Show frame rate, CPU usage and read-outs under the pointer</source>
        <translation>Mostrar la frecuencia de imagen, el uso de la CPU y los valores bajo el puntero</translation>
    </message>
    <message>
        <source>Open, save, cut, copy or paste slides</source>
        <translation>Abrir, guardar, cortar, copiar o pegar diapositivas</translation>
    </message>
    <message>
        <source>Choose what is in the tank</source>
        <translation>Elija qué hay en la cubeta</translation>
    </message>
    <message>
        <source>Help, display shape and about</source>
        <translation>Ayuda, formato de pantalla y acerca de</translation>
    </message>
    <message>
        <source>Copy snapshot of water</source>
        <translation>Copiar una instantánea del agua</translation>
    </message>
    <message>
        <source>Save snapshot of water</source>
        <translation>Guardar una instantánea del agua</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Name of this slide</source>
        <translation>Nombre de esta diapositiva</translation>
    </message>
    <message>
        <source>What this slide shows</source>
        <translation>Qué muestra esta diapositiva</translation>
    </message>
    <message>
        <source>Waves in a ripple tank, for the classroom</source>
        <translation>Ondas en una cubeta de ondas, para el aula</translation>
    </message>
    <message>
        <source>Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.</source>
        <translation>Fuentes, espejos, lentes, rendijas e instrumentos de medida en una cubeta de agua simulada.</translation>
    </message>
    <message>
        <source>Click anywhere to close</source>
        <translation>Haga clic en cualquier lugar para cerrar</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositiva siguiente</translation>
    </message>
    <message>
        <source>Previous slide</source>
        <translation>Diapositiva anterior</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Índice de refr.</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Aire</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Vidrio</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diam.</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Espejo</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Accurate</source>
        <translation>Preciso</translation>
    </message>
    <message>
        <source>Circular Shape</source>
        <translation>Forma circular</translation>
    </message>
    <message>
        <source>Parabolic Shape</source>
        <translation>Forma parabólica</translation>
    </message>
    <message>
        <source>Turn it with one handle; it always faces the source</source>
        <translation>Se gira con un tirador; siempre mira hacia la fuente</translation>
    </message>
    <message>
        <source>Quick, with the slower medium on the other side</source>
        <translation>Rápido, con el medio más lento al otro lado</translation>
    </message>
    <message>
        <source>Place both ends with their handles</source>
        <translation>Coloque ambos extremos con sus tiradores</translation>
    </message>
    <message>
        <source>Set the curve with one handle</source>
        <translation>Ajuste la curvatura con un tirador</translation>
    </message>
    <message>
        <source>Place the focus and the middle of the mirror</source>
        <translation>Coloque el foco y el centro del espejo</translation>
    </message>
    <message>
        <source>Clear the water</source>
        <translation>Calmar el agua</translation>
    </message>
    <message>
        <source>Freeze the water</source>
        <translation>Detener el agua</translation>
    </message>
    <message>
        <source>Click on water to make drips</source>
        <translation>Haga clic en el agua para crear gotas</translation>
    </message>
    <message>
        <source>Adjust water contrast</source>
        <translation>Ajustar el contraste del agua</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Abrir presentación</translation>
    </message>
    <message>
        <source>Save Slideshow</source>
        <translation>Guardar presentación</translation>
    </message>
    <message>
        <source>Cut Slide</source>
        <translation>Cortar diapositiva</translation>
    </message>
    <message>
        <source>Copy Slide</source>
        <translation>Copiar diapositiva</translation>
    </message>
    <message>
        <source>Paste Slide</source>
        <translation>Pegar diapositiva</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Wavora Help</source>
        <translation>Ayuda de Wavora</translation>
    </message>
    <message>
        <source>Display Shape</source>
        <translation>Formato de pantalla</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Long and thin</source>
        <translation>Largo y estrecho</translation>
    </message>
    <message>
        <source>Tall and Narrow</source>
        <translation>Alto y estrecho</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Modo presentación</translation>
    </message>
    <message>
        <source>About Wavora</source>
        <translation>Acerca de Wavora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Wavora File (*.wvr)|*.wvr</source>
        <translation>Archivo de Wavora (*.wvr)|*.wvr</translation>
    </message>
    <message>
        <source>Save Snap shot to file</source>
        <translation>Guardar la instantánea en un archivo</translation>
    </message>
    <message>
        <source>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <translation>JPEG (*.JPG)|*.jpg|Mapa de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>No se pudo guardar la instantánea.</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.</source>
        <translation>No se pudo guardar la presentación.</translation>
    </message>
    <message>
        <source>The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed program, and in the help folder of the build it comes from.</source>
        <translation>No se encontraron las páginas de ayuda. Wavora las busca en share/wavora/help junto al programa instalado y en la carpeta help de la compilación de la que procede.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>The lesson could not be loaded from &quot;%1&quot;.</source>
        <extracomment>%1 is the address of the lesson.</extracomment>
        <translation>No se pudo cargar la lección desde &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Drop a Wavora lesson (.wvr) here to open it</source>
        <translation>Suelte aquí una lección de Wavora (.wvr) para abrirla</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard. Paste the slide&apos;s text into the box (Ctrl+V), then choose Paste Slide.</source>
        <translation>Este navegador no permite que la página lea el portapapeles. Pegue el texto de la diapositiva en el cuadro (Ctrl+V) y luego elija «Pegar diapositiva».</translation>
    </message>
    <message>
        <source>This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).</source>
        <translation>Este navegador no permite que la página escriba en el portapapeles. Copie el texto del cuadro (Ctrl+C).</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard; use Save instead.</source>
        <translation>Este navegador no permite que la página ponga una imagen en el portapapeles; use «Guardar» en su lugar.</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <extracomment>%1 is the slideshow&apos;s name.</extracomment>
        <translation>¿Guardar los cambios de &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Even after trying to ignore errors, this file could not be loaded.</source>
        <translation>Ni siquiera ignorando los errores se pudo cargar este archivo.</translation>
    </message>
    <message>
        <source>The following problem was reported:</source>
        <translation>Se ha informado del siguiente problema:</translation>
    </message>
    <message>
        <source>File did not contain a slideshow</source>
        <translation>El archivo no contenía ninguna presentación</translation>
    </message>
    <message>
        <source>File is from a newer version but seems to have loaded without a problem</source>
        <translation>El archivo procede de una versión más reciente, pero parece haberse cargado sin problemas</translation>
    </message>
    <message>
        <source>File is from a newer version and some objects seem to have been lost, salvaged slideshow has been loaded.</source>
        <translation>El archivo procede de una versión más reciente y parece que se han perdido algunos objetos; se ha cargado la presentación recuperada.</translation>
    </message>
    <message>
        <source>Clipboard data has been corrupted and can not be used</source>
        <translation>Los datos del portapapeles están dañados y no se pueden usar</translation>
    </message>
    <message>
        <source>No Experiment setup found on the clipboard</source>
        <translation>No se ha encontrado ningún experimento en el portapapeles</translation>
    </message>
    <message>
        <source>Clipboard Experiment object is of the wrong type</source>
        <translation>El experimento del portapapeles es de un tipo incorrecto</translation>
    </message>
    <message>
        <source>The slideshow already holds the most slides a file can keep; delete one first.</source>
        <translation>La presentación ya tiene el máximo de diapositivas que admite un archivo; elimine primero una.</translation>
    </message>
    <message>
        <source>New </source>
        <translation>Nuevo: </translation>
    </message>
    <message>
        <source>Add a measuring tool to the tank</source>
        <translation>Añadir un instrumento de medida a la cubeta</translation>
    </message>
    <message>
        <source>Delete the selected object</source>
        <translation>Eliminar el objeto seleccionado</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Rejilla</translation>
    </message>
    <message>
        <source>Make it easier to line up tools</source>
        <translation>Facilita alinear los instrumentos</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloque</translation>
    </message>
    <message>
        <source>Rectangular Block</source>
        <translation>Bloque rectangular</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Lentes</translation>
    </message>
    <message>
        <source>See how focal length and refractive index affect how waves focus and diverge.</source>
        <translation>Observe cómo la distancia focal y el índice de refracción influyen en la convergencia y la divergencia de las ondas.</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Convexa</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Cóncava</translation>
    </message>
    <message>
        <source>Wave Source</source>
        <translation>Fuente de ondas</translation>
    </message>
    <message>
        <source>Can make different widths of wave </source>
        <translation>Genera ondas de distintas anchuras </translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Fuente puntual</translation>
    </message>
    <message>
        <source>Beam Source</source>
        <translation>Fuente de haz</translation>
    </message>
    <message>
        <source>Line Source</source>
        <translation>Fuente lineal</translation>
    </message>
    <message>
        <source>Double Source</source>
        <translation>Fuente doble</translation>
    </message>
    <message>
        <source>Doppler Source</source>
        <translation>Fuente Doppler</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Long. de onda</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Desajuste</translation>
    </message>
    <message>
        <source>Mach </source>
        <translation>Mach </translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Armónicos</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Choose the kind of source</source>
        <translation>Elija el tipo de fuente</translation>
    </message>
    <message>
        <source>Start the moving source again from the left</source>
        <translation>Reiniciar la fuente móvil desde la izquierda</translation>
    </message>
    <message>
        <source>Let the moving source sound with harmonics</source>
        <translation>Hacer que la fuente móvil emita con armónicos</translation>
    </message>
    <message>
        <source>Set the frequency instead of the wavelength</source>
        <translation>Ajustar la frecuencia en lugar de la longitud de onda</translation>
    </message>
    <message>
        <source>Fibre optic</source>
        <translation>Fibra óptica</translation>
    </message>
    <message>
        <source>Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.</source>
        <translation>Guía de ondas, por ejemplo un cable de fibra óptica. Pruebe a cambiar la curvatura y el índice de refracción.</translation>
    </message>
    <message>
        <source>Fibre Width</source>
        <translation>Ancho de fibra</translation>
    </message>
    <message>
        <source>Slits</source>
        <translation>Rendijas</translation>
    </message>
    <message>
        <source>Grating made up of slits</source>
        <translation>Red de rendijas</translation>
    </message>
    <message>
        <source>Slit</source>
        <translation>Rendija</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>La Tierra</translation>
    </message>
    <message>
        <source>The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and shows how refraction helps transmissions carry. The movement of two different types of earthquake wave are also shown.</source>
        <translation>Las ondas de radio en la atmósfera y las ondas sísmicas en el interior de la Tierra. Hay dos modelos de la atmósfera: el primero es lineal y las ondas de radio se desvían por reflexión. El segundo no es lineal y muestra cómo la refracción ayuda a que las transmisiones lleguen lejos. También se muestra el movimiento de dos tipos distintos de ondas sísmicas.</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmósfera</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Reflexión</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Refracción</translation>
    </message>
    <message>
        <source>Mirages</source>
        <translation>Espejismos</translation>
    </message>
    <message>
        <source>Earthquakes</source>
        <translation>Terremotos</translation>
    </message>
    <message>
        <source>P-Waves</source>
        <translation>Ondas P</translation>
    </message>
    <message>
        <source>S-Waves</source>
        <translation>Ondas S</translation>
    </message>
    <message>
        <source>Tsunami</source>
        <translation>Tsunami</translation>
    </message>
    <message>
        <source>Tsunami are waves in the ocean caused by earthquakes. </source>
        <translation>Los tsunamis son olas oceánicas causadas por terremotos. </translation>
    </message>
    <message>
        <source>Indian Ocean</source>
        <translation>Índico</translation>
    </message>
    <message>
        <source>Atlantic</source>
        <translation>Atlántico</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Playa</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>For measuring lengths</source>
        <translation>Para medir longitudes</translation>
    </message>
    <message>
        <source>Protractor</source>
        <translation>Transportador</translation>
    </message>
    <message>
        <source>For measuring angles</source>
        <translation>Para medir ángulos</translation>
    </message>
    <message>
        <source>Cross-section</source>
        <translation>Sección</translation>
    </message>
    <message>
        <source>Displays the wavesform along a given line</source>
        <translation>Muestra la forma de onda a lo largo de una línea</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Displays the intensity of the waves along a line</source>
        <translation>Muestra la intensidad de las ondas a lo largo de una línea</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Cronómetro</translation>
    </message>
    <message>
        <source>A Simple stopwatch</source>
        <translation>Un cronómetro sencillo</translation>
    </message>
    <message>
        <source>Spectrometer</source>
        <translation>Espectrómetro</translation>
    </message>
    <message>
        <source>Show a representation of the spectrum of wavelengths. </source>
        <translation>Muestra una representación del espectro de longitudes de onda. </translation>
    </message>
    <message>
        <source>Signal Level Meter</source>
        <translation>Medidor de nivel</translation>
    </message>
    <message>
        <source>Shows the peak or average signal level in db units.</source>
        <translation>Muestra el nivel de pico o medio de la señal en db.</translation>
    </message>
    <message>
        <source>Paper tape Logger</source>
        <translation>Registrador de cinta</translation>
    </message>
    <message>
        <source>Log the changes over time at a point. </source>
        <translation>Registra los cambios a lo largo del tiempo en un punto. </translation>
    </message>
    <message>
        <source>Peak Level</source>
        <translation>Nivel pico</translation>
    </message>
    <message>
        <source>Average Level</source>
        <translation>Nivel medio</translation>
    </message>
    <message>
        <source>Realtime Level</source>
        <translation>Nivel instantáneo</translation>
    </message>
    <message>
        <source>Peak Level Meter</source>
        <translation>Medidor de nivel pico</translation>
    </message>
    <message>
        <source>Average Level Meter</source>
        <translation>Medidor de nivel medio</translation>
    </message>
    <message>
        <source>Realtime Level Meter</source>
        <translation>Medidor de nivel instantáneo</translation>
    </message>
    <message>
        <source>db</source>
        <translation>db</translation>
    </message>
    <message>
        <source>Save Paper Tape</source>
        <translation>Guardar la cinta</translation>
    </message>
    <message>
        <source>Copy Paper Tape</source>
        <translation>Copiar la cinta</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Clear the tape</source>
        <translation>Borrar la cinta</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Guardar instantánea</translation>
    </message>
    <message>
        <source>Copy Snapshot</source>
        <translation>Copiar instantánea</translation>
    </message>
    <message>
        <source>Save Data…</source>
        <translation>Guardar datos…</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>Copiar datos</translation>
    </message>
    <message>
        <source>No Gain</source>
        <translation>Sin ganancia</translation>
    </message>
    <message>
        <source>x2 Gain</source>
        <translation>Ganancia x2</translation>
    </message>
    <message>
        <source>x4 Gain</source>
        <translation>Ganancia x4</translation>
    </message>
    <message>
        <source>x8 Gain</source>
        <translation>Ganancia x8</translation>
    </message>
    <message>
        <source>x16 Gain</source>
        <translation>Ganancia x16</translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation>Normalizar</translation>
    </message>
    <message>
        <source>Image and Graph</source>
        <translation>Imagen y gráfica</translation>
    </message>
    <message>
        <source>Image only</source>
        <translation>Solo imagen</translation>
    </message>
    <message>
        <source>Graph only</source>
        <translation>Solo gráfica</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calculando...</translation>
    </message>
    <message>
        <source>Fast but jittery</source>
        <translation>Rápido pero inestable</translation>
    </message>
    <message>
        <source>Accurate but slow</source>
        <translation>Preciso pero lento</translation>
    </message>
    <message>
        <source>Raw Spectrum</source>
        <translation>Espectro bruto</translation>
    </message>
    <message>
        <source>Equal Spaced Frequency</source>
        <translation>Frecuencias equiespaciadas</translation>
    </message>
    <message>
        <source>Equal spaced Wavelength</source>
        <translation>Longitudes de onda equiespaciadas</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)|*.csv</source>
        <translation>Valores separados por comas (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Save the tool&apos;s readings</source>
        <translation>Guardar las lecturas del instrumento</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>No se pudieron guardar las lecturas.</translation>
    </message>
    <message>
        <source>Record the water as a clip; click again to stop and save it</source>
        <translation>Grabar el agua como clip; haga clic de nuevo para detener y guardarlo</translation>
    </message>
    <message>
        <source>Stop recording and save the clip</source>
        <translation>Detener la grabación y guardar el clip</translation>
    </message>
    <message>
        <source>Save the clip</source>
        <translation>Guardar el clip</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm</source>
        <translation>GIF animado (*.gif)|*.gif|Vídeo WebM (*.webm)|*.webm</translation>
    </message>
    <message>
        <source>Writing the clip…</source>
        <translation>Escribiendo el clip…</translation>
    </message>
    <message>
        <source>The water could not be recorded.</source>
        <translation>No se pudo grabar el agua.</translation>
    </message>
    <message>
        <source>The clip could not be saved.</source>
        <translation>No se pudo guardar el clip.</translation>
    </message>
    <message>
        <source>The recording has reached its limit of 10 minutes and has stopped.</source>
        <translation>La grabación ha alcanzado su límite de 10 minutos y se ha detenido.</translation>
    </message>
    <message>
        <source>Print Worksheet…</source>
        <translation>Imprimir la hoja de trabajo…</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Guardar la hoja de trabajo</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Making the worksheet…</source>
        <translation>Creando la hoja de trabajo…</translation>
    </message>
    <message>
        <source>The worksheet could not be saved.</source>
        <translation>No se pudo guardar la hoja de trabajo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>Look at how waves move around barriers.</source>
        <translation>Observe cómo se propagan las ondas alrededor de las barreras.</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Espejo plano</translation>
    </message>
    <message>
        <source>Examine what happens to waves as they reflect off a surface.</source>
        <translation>Examine qué les ocurre a las ondas cuando se reflejan en una superficie.</translation>
    </message>
    <message>
        <source>Examine how waves behave at the boundaries between media. <byte value="xd"/>
(There is a quick mode of controlling where the boundary is or an accurate mode.)</source>
        <translation>Examine cómo se comportan las ondas en el límite entre medios. <byte value="xd"/>
(La posición del límite se controla en modo rápido o en modo preciso.)</translation>
    </message>
    <message>
        <source>Curved Mirror</source>
        <translation>Espejo curvo</translation>
    </message>
    <message>
        <source>Look at the effects of different circular and parabolic mirrors. See how well they focus waves.</source>
        <translation>Observe los efectos de distintos espejos circulares y parabólicos. Vea lo bien que enfocan las ondas.</translation>
    </message>
    <message>
        <source>Timer rate</source>
        <translation>Ritmo del temporizador</translation>
    </message>
    <message>
        <source>Draw rate</source>
        <translation>Ritmo de dibujo</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Uso de CPU</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Elongación</translation>
    </message>
    <message>
        <source> in air</source>
        <extracomment>After a wavelength in the spectrometer&apos;s read-out: &quot;(41.2mm in air)&quot;.</extracomment>
        <translation> en el aire</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Cubeta</translation>
    </message>
    <message>
        <source>%1, handle %2 of %3, at %4 mm, %5 mm</source>
        <extracomment>%1 is the object&apos;s name (with its reading, for a tool), %2 the handle&apos;s number, %3 how many handles the object has, %4 and %5 the handle&apos;s place in millimetres from the left and from the bottom.</extracomment>
        <translation>%1, tirador %2 de %3, en %4 mm, %5 mm</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is the tool&apos;s name, %2 its reading as the tool shows it (e.g. &quot;156.0mm&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
    <message>
        <source>Objects in the tank</source>
        <translation>Objetos en la cubeta</translation>
    </message>
    <message>
        <source>Slide name</source>
        <translation>Nombre de la diapositiva</translation>
    </message>
    <message>
        <source>Slide description</source>
        <translation>Descripción de la diapositiva</translation>
    </message>
    <message>
        <source>The water and its objects. N and Shift+N pick the next or previous handle, the arrow keys move it (with Shift ten cells), Delete deletes the selected object, Space runs or freezes the water.</source>
        <translation>El agua y sus objetos. N y Mayús+N eligen el tirador siguiente o anterior, las flechas lo mueven (con Mayús, diez celdas), Supr borra el objeto seleccionado, Espacio pone en marcha o detiene el agua.</translation>
    </message>
    <message>
        <source>Theory</source>
        <translation>Teoría</translation>
    </message>
    <message>
        <source>measured</source>
        <extracomment>Put before a measuring tool&apos;s reading beside the prediction it checks: &quot;m=1 14.5° (measured 14.2°)&quot;.</extracomment>
        <translation>medido</translation>
    </message>
    <message>
        <source>1st min</source>
        <extracomment>Labels a single slit&apos;s first diffraction minimum, followed by its angle.</extracomment>
        <translation>1.er mín.</translation>
    </message>
    <message>
        <source>spacing</source>
        <extracomment>Labels the distance between the bright fringes m=0 and m=1 where the lines meet the tank&apos;s edge.</extracomment>
        <translation>separación</translation>
    </message>
    <message>
        <source>θ1</source>
        <extracomment>The angle of incidence, from the normal; labels read e.g. &quot;θ1 = 30.0°&quot;.</extracomment>
        <translation>θ1</translation>
    </message>
    <message>
        <source>θ2</source>
        <extracomment>The refracted ray&apos;s angle from the normal.</extracomment>
        <translation>θ2</translation>
    </message>
    <message>
        <source>θr</source>
        <extracomment>The reflected ray&apos;s angle from the normal.</extracomment>
        <translation>θr</translation>
    </message>
    <message>
        <source>θc</source>
        <extracomment>The critical angle of total internal reflection.</extracomment>
        <translation>θc</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The focus the law predicts (the lens&apos;s or mirror&apos;s focal point).</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>image</source>
        <extracomment>Where a lens or mirror puts the picture of a point source.</extracomment>
        <translation>imagen</translation>
    </message>
    <message>
        <source>shadow edge</source>
        <extracomment>The line beyond a barrier&apos;s end that bounds the geometric shadow.</extracomment>
        <translation>borde de la sombra</translation>
    </message>
    <message>
        <source>front</source>
        <extracomment>The circle a wave front from the source has reached by now.</extracomment>
        <translation>frente</translation>
    </message>
    <message>
        <source>Timer interval</source>
        <translation>Intervalo del temporizador</translation>
    </message>
    <message>
        <source>Memory Usage</source>
        <translation>Memoria usada</translation>
    </message>
</context>
</TS>
