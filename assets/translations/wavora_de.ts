<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>wavora::rs</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers in read-outs and in the pictures (files keep &quot;.&quot;).</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>Empty Slide</source>
        <translation>Leere Folie</translation>
    </message>
    <message>
        <source>Choose an object to explore.</source>
        <translation>Wählen Sie ein Objekt zum Erkunden aus.</translation>
    </message>
    <message>
        <source>Empty Tank</source>
        <translation>Leere Wanne</translation>
    </message>
    <message>
        <source>Wavora</source>
        <translation>Wavora</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Folien</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopie</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Experiment</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Neue Folie</translation>
    </message>
    <message>
        <source>Delete Slide</source>
        <translation>Folie löschen</translation>
    </message>
    <message>
        <source>Drips</source>
        <translation>Tropfen</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Vorspulen</translation>
    </message>
    <message>
        <source>Slide </source>
        <translation>Folie </translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Show frame rate, CPU usage and read-outs under the pointer</source>
        <translation>Bildrate, CPU-Last und Messwerte unter dem Mauszeiger anzeigen</translation>
    </message>
    <message>
        <source>Open, save, cut, copy or paste slides</source>
        <translation>Folien öffnen, speichern, ausschneiden, kopieren oder einfügen</translation>
    </message>
    <message>
        <source>Choose what is in the tank</source>
        <translation>Wählen Sie, was in der Wanne ist</translation>
    </message>
    <message>
        <source>Help, display shape and about</source>
        <translation>Hilfe, Anzeigeformat und Info</translation>
    </message>
    <message>
        <source>Copy snapshot of water</source>
        <translation>Momentaufnahme des Wassers kopieren</translation>
    </message>
    <message>
        <source>Save snapshot of water</source>
        <translation>Momentaufnahme des Wassers speichern</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Name of this slide</source>
        <translation>Name dieser Folie</translation>
    </message>
    <message>
        <source>What this slide shows</source>
        <translation>Was diese Folie zeigt</translation>
    </message>
    <message>
        <source>Waves in a ripple tank, for the classroom</source>
        <translation>Wellen in der Wellenwanne, für den Unterricht</translation>
    </message>
    <message>
        <source>Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.</source>
        <translation>Quellen, Spiegel, Linsen, Spalte und Messgeräte in einer simulierten Wasserwanne.</translation>
    </message>
    <message>
        <source>Click anywhere to close</source>
        <translation>Zum Schließen irgendwo klicken</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Nächste Folie</translation>
    </message>
    <message>
        <source>Previous slide</source>
        <translation>Vorherige Folie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Brechzahl</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Luft</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glas</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegel</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Accurate</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Circular Shape</source>
        <translation>Kreisform</translation>
    </message>
    <message>
        <source>Parabolic Shape</source>
        <translation>Parabelform</translation>
    </message>
    <message>
        <source>Turn it with one handle; it always faces the source</source>
        <translation>Mit einem Griff drehen; stets der Quelle zugewandt</translation>
    </message>
    <message>
        <source>Quick, with the slower medium on the other side</source>
        <translation>Schnell, mit dem langsameren Medium auf der anderen Seite</translation>
    </message>
    <message>
        <source>Place both ends with their handles</source>
        <translation>Beide Enden mit ihren Griffen setzen</translation>
    </message>
    <message>
        <source>Set the curve with one handle</source>
        <translation>Die Krümmung mit einem Griff einstellen</translation>
    </message>
    <message>
        <source>Place the focus and the middle of the mirror</source>
        <translation>Brennpunkt und Spiegelmitte setzen</translation>
    </message>
    <message>
        <source>Clear the water</source>
        <translation>Wasser beruhigen</translation>
    </message>
    <message>
        <source>Freeze the water</source>
        <translation>Wasser anhalten</translation>
    </message>
    <message>
        <source>Click on water to make drips</source>
        <translation>Ins Wasser klicken, um Tropfen zu erzeugen</translation>
    </message>
    <message>
        <source>Adjust water contrast</source>
        <translation>Kontrast des Wassers einstellen</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Foliensatz öffnen</translation>
    </message>
    <message>
        <source>Save Slideshow</source>
        <translation>Foliensatz speichern</translation>
    </message>
    <message>
        <source>Cut Slide</source>
        <translation>Folie ausschneiden</translation>
    </message>
    <message>
        <source>Copy Slide</source>
        <translation>Folie kopieren</translation>
    </message>
    <message>
        <source>Paste Slide</source>
        <translation>Folie einfügen</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Wavora Help</source>
        <translation>Wavora-Hilfe</translation>
    </message>
    <message>
        <source>Display Shape</source>
        <translation>Anzeigeformat</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Long and thin</source>
        <translation>Lang und schmal</translation>
    </message>
    <message>
        <source>Tall and Narrow</source>
        <translation>Hoch und schmal</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>About Wavora</source>
        <translation>Über Wavora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Wavora File (*.wvr)|*.wvr</source>
        <translation>Wavora-Datei (*.wvr)|*.wvr</translation>
    </message>
    <message>
        <source>Save Snap shot to file</source>
        <translation>Momentaufnahme als Datei speichern</translation>
    </message>
    <message>
        <source>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <translation>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>Die Momentaufnahme konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.</source>
        <translation>Der Foliensatz konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed program, and in the help folder of the build it comes from.</source>
        <translation>Die Hilfeseiten wurden nicht gefunden. Wavora sucht sie in share/wavora/help neben dem installierten Programm und im Ordner help des Builds, aus dem es stammt.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>The lesson could not be loaded from &quot;%1&quot;.</source>
        <extracomment>%1 is the address of the lesson.</extracomment>
        <translation>Die Lektion konnte nicht von &quot;%1&quot; geladen werden.</translation>
    </message>
    <message>
        <source>Drop a Wavora lesson (.wvr) here to open it</source>
        <translation>Ziehen Sie eine Wavora-Lektion (.wvr) hierher, um sie zu öffnen</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard. Paste the slide&apos;s text into the box (Ctrl+V), then choose Paste Slide.</source>
        <translation>Dieser Browser erlaubt der Seite nicht, die Zwischenablage zu lesen. Fügen Sie den Text der Folie in das Feld ein (Strg+V) und wählen Sie dann „Folie einfügen“.</translation>
    </message>
    <message>
        <source>This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).</source>
        <translation>Dieser Browser erlaubt der Seite nicht, in die Zwischenablage zu schreiben. Kopieren Sie den Text im Feld (Strg+C).</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard; use Save instead.</source>
        <translation>Dieser Browser erlaubt der Seite nicht, ein Bild in die Zwischenablage zu legen; verwenden Sie stattdessen „Sichern“.</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <extracomment>%1 is the slideshow&apos;s name.</extracomment>
        <translation>Änderungen an &quot;%1&quot; speichern?</translation>
    </message>
    <message>
        <source>Even after trying to ignore errors, this file could not be loaded.</source>
        <translation>Auch beim Versuch, Fehler zu übergehen, konnte diese Datei nicht geladen werden.</translation>
    </message>
    <message>
        <source>The following problem was reported:</source>
        <translation>Folgendes Problem wurde gemeldet:</translation>
    </message>
    <message>
        <source>File did not contain a slideshow</source>
        <translation>Die Datei enthielt keinen Foliensatz</translation>
    </message>
    <message>
        <source>File is from a newer version but seems to have loaded without a problem</source>
        <translation>Die Datei stammt aus einer neueren Version, scheint aber ohne Probleme geladen worden zu sein</translation>
    </message>
    <message>
        <source>File is from a newer version and some objects seem to have been lost, salvaged slideshow has been loaded.</source>
        <translation>Die Datei stammt aus einer neueren Version, und einige Objekte scheinen verloren gegangen zu sein; der gerettete Foliensatz wurde geladen.</translation>
    </message>
    <message>
        <source>Clipboard data has been corrupted and can not be used</source>
        <translation>Die Daten in der Zwischenablage sind beschädigt und können nicht verwendet werden</translation>
    </message>
    <message>
        <source>No Experiment setup found on the clipboard</source>
        <translation>Kein Experiment in der Zwischenablage gefunden</translation>
    </message>
    <message>
        <source>Clipboard Experiment object is of the wrong type</source>
        <translation>Das Experiment in der Zwischenablage hat den falschen Typ</translation>
    </message>
    <message>
        <source>The slideshow already holds the most slides a file can keep; delete one first.</source>
        <translation>Der Foliensatz enthält bereits so viele Folien, wie eine Datei aufnehmen kann; löschen Sie zuerst eine.</translation>
    </message>
    <message>
        <source>New </source>
        <translation>Neu: </translation>
    </message>
    <message>
        <source>Add a measuring tool to the tank</source>
        <translation>Ein Messgerät in die Wanne setzen</translation>
    </message>
    <message>
        <source>Delete the selected object</source>
        <translation>Das ausgewählte Objekt löschen</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Make it easier to line up tools</source>
        <translation>Erleichtert das Ausrichten der Geräte</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>Rectangular Block</source>
        <translation>Rechteckiger Block</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Linsen</translation>
    </message>
    <message>
        <source>See how focal length and refractive index affect how waves focus and diverge.</source>
        <translation>Sehen Sie, wie Brennweite und Brechzahl die Bündelung und Zerstreuung der Wellen beeinflussen.</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Konvex</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Konkav</translation>
    </message>
    <message>
        <source>Wave Source</source>
        <translation>Wellenquelle</translation>
    </message>
    <message>
        <source>Can make different widths of wave </source>
        <translation>Erzeugt Wellen unterschiedlicher Breite </translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Punktquelle</translation>
    </message>
    <message>
        <source>Beam Source</source>
        <translation>Strahlquelle</translation>
    </message>
    <message>
        <source>Line Source</source>
        <translation>Linienquelle</translation>
    </message>
    <message>
        <source>Double Source</source>
        <translation>Doppelquelle</translation>
    </message>
    <message>
        <source>Doppler Source</source>
        <translation>Doppler-Quelle</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Fortlaufend</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Wellenlänge</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Verstimmung</translation>
    </message>
    <message>
        <source>Mach </source>
        <translation>Mach </translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Oberwellen</translation>
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
        <translation>Art der Quelle wählen</translation>
    </message>
    <message>
        <source>Start the moving source again from the left</source>
        <translation>Die bewegte Quelle erneut links starten</translation>
    </message>
    <message>
        <source>Let the moving source sound with harmonics</source>
        <translation>Die bewegte Quelle mit Oberwellen schwingen lassen</translation>
    </message>
    <message>
        <source>Set the frequency instead of the wavelength</source>
        <translation>Frequenz statt Wellenlänge einstellen</translation>
    </message>
    <message>
        <source>Fibre optic</source>
        <translation>Glasfaser</translation>
    </message>
    <message>
        <source>Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.</source>
        <translation>Wellenleiter, z. B. ein Glasfaserkabel. Ändern Sie die Krümmung und die Brechzahl.</translation>
    </message>
    <message>
        <source>Fibre Width</source>
        <translation>Faserbreite</translation>
    </message>
    <message>
        <source>Slits</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Grating made up of slits</source>
        <translation>Gitter aus Spalten</translation>
    </message>
    <message>
        <source>Slit</source>
        <translation>Spalt</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>Die Erde</translation>
    </message>
    <message>
        <source>The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and shows how refraction helps transmissions carry. The movement of two different types of earthquake wave are also shown.</source>
        <translation>Die Radiowellen in der Atmosphäre und die Erdbebenwellen im Erdinneren. Es gibt zwei Modelle der Atmosphäre: Das erste ist linear, und die Radiowellen werden durch Reflexion umgelenkt. Das zweite ist nichtlinear und zeigt, wie die Brechung die Reichweite von Funkübertragungen vergrößert. Außerdem wird die Ausbreitung zweier verschiedener Arten von Erdbebenwellen gezeigt.</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Reflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Brechung</translation>
    </message>
    <message>
        <source>Mirages</source>
        <translation>Luftspiegelungen</translation>
    </message>
    <message>
        <source>Earthquakes</source>
        <translation>Erdbeben</translation>
    </message>
    <message>
        <source>P-Waves</source>
        <translation>P-Wellen</translation>
    </message>
    <message>
        <source>S-Waves</source>
        <translation>S-Wellen</translation>
    </message>
    <message>
        <source>Tsunami</source>
        <translation>Tsunami</translation>
    </message>
    <message>
        <source>Tsunami are waves in the ocean caused by earthquakes. </source>
        <translation>Tsunamis sind durch Erdbeben ausgelöste Wellen im Ozean. </translation>
    </message>
    <message>
        <source>Indian Ocean</source>
        <translation>Indik</translation>
    </message>
    <message>
        <source>Atlantic</source>
        <translation>Atlantik</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Strand</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>For measuring lengths</source>
        <translation>Zum Messen von Längen</translation>
    </message>
    <message>
        <source>Protractor</source>
        <translation>Winkelmesser</translation>
    </message>
    <message>
        <source>For measuring angles</source>
        <translation>Zum Messen von Winkeln</translation>
    </message>
    <message>
        <source>Cross-section</source>
        <translation>Querschnitt</translation>
    </message>
    <message>
        <source>Displays the wavesform along a given line</source>
        <translation>Zeigt die Wellenform entlang einer Linie</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Displays the intensity of the waves along a line</source>
        <translation>Zeigt die Intensität der Wellen entlang einer Linie</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>A Simple stopwatch</source>
        <translation>Eine einfache Stoppuhr</translation>
    </message>
    <message>
        <source>Spectrometer</source>
        <translation>Spektrometer</translation>
    </message>
    <message>
        <source>Show a representation of the spectrum of wavelengths. </source>
        <translation>Zeigt eine Darstellung des Wellenlängenspektrums. </translation>
    </message>
    <message>
        <source>Signal Level Meter</source>
        <translation>Pegelmesser</translation>
    </message>
    <message>
        <source>Shows the peak or average signal level in db units.</source>
        <translation>Zeigt den Spitzen- oder Mittelwert des Signalpegels in db.</translation>
    </message>
    <message>
        <source>Paper tape Logger</source>
        <translation>Streifenschreiber</translation>
    </message>
    <message>
        <source>Log the changes over time at a point. </source>
        <translation>Zeichnet den zeitlichen Verlauf an einem Punkt auf. </translation>
    </message>
    <message>
        <source>Peak Level</source>
        <translation>Spitzenpegel</translation>
    </message>
    <message>
        <source>Average Level</source>
        <translation>Mittlerer Pegel</translation>
    </message>
    <message>
        <source>Realtime Level</source>
        <translation>Momentanpegel</translation>
    </message>
    <message>
        <source>Peak Level Meter</source>
        <translation>Spitzenpegelmesser</translation>
    </message>
    <message>
        <source>Average Level Meter</source>
        <translation>Mittelpegelmesser</translation>
    </message>
    <message>
        <source>Realtime Level Meter</source>
        <translation>Momentanpegelmesser</translation>
    </message>
    <message>
        <source>db</source>
        <translation>db</translation>
    </message>
    <message>
        <source>Save Paper Tape</source>
        <translation>Papierstreifen speichern</translation>
    </message>
    <message>
        <source>Copy Paper Tape</source>
        <translation>Papierstreifen kopieren</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Clear the tape</source>
        <translation>Streifen löschen</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Momentaufnahme speichern</translation>
    </message>
    <message>
        <source>Copy Snapshot</source>
        <translation>Momentaufnahme kopieren</translation>
    </message>
    <message>
        <source>Save Data…</source>
        <translation>Daten speichern…</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>No Gain</source>
        <translation>Ohne Verstärkung</translation>
    </message>
    <message>
        <source>x2 Gain</source>
        <translation>x2 Verstärkung</translation>
    </message>
    <message>
        <source>x4 Gain</source>
        <translation>x4 Verstärkung</translation>
    </message>
    <message>
        <source>x8 Gain</source>
        <translation>x8 Verstärkung</translation>
    </message>
    <message>
        <source>x16 Gain</source>
        <translation>x16 Verstärkung</translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation>Normieren</translation>
    </message>
    <message>
        <source>Image and Graph</source>
        <translation>Bild und Graph</translation>
    </message>
    <message>
        <source>Image only</source>
        <translation>Nur Bild</translation>
    </message>
    <message>
        <source>Graph only</source>
        <translation>Nur Graph</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Berechnung...</translation>
    </message>
    <message>
        <source>Fast but jittery</source>
        <translation>Schnell, aber unruhig</translation>
    </message>
    <message>
        <source>Accurate but slow</source>
        <translation>Genau, aber langsam</translation>
    </message>
    <message>
        <source>Raw Spectrum</source>
        <translation>Rohspektrum</translation>
    </message>
    <message>
        <source>Equal Spaced Frequency</source>
        <translation>Gleiche Frequenzabstände</translation>
    </message>
    <message>
        <source>Equal spaced Wavelength</source>
        <translation>Gleiche Wellenlängenabstände</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)|*.csv</source>
        <translation>Kommagetrennte Werte (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Save the tool&apos;s readings</source>
        <translation>Messwerte des Geräts speichern</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>Die Messwerte konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Record the water as a clip; click again to stop and save it</source>
        <translation>Das Wasser als Clip aufnehmen; zum Beenden und Speichern erneut klicken</translation>
    </message>
    <message>
        <source>Stop recording and save the clip</source>
        <translation>Aufnahme beenden und Clip speichern</translation>
    </message>
    <message>
        <source>Save the clip</source>
        <translation>Clip speichern</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm</source>
        <translation>Animiertes GIF (*.gif)|*.gif|WebM-Video (*.webm)|*.webm</translation>
    </message>
    <message>
        <source>Writing the clip…</source>
        <translation>Clip wird geschrieben…</translation>
    </message>
    <message>
        <source>The water could not be recorded.</source>
        <translation>Das Wasser konnte nicht aufgenommen werden.</translation>
    </message>
    <message>
        <source>The clip could not be saved.</source>
        <translation>Der Clip konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The recording has reached its limit of 10 minutes and has stopped.</source>
        <translation>Die Aufnahme hat ihre Höchstdauer von 10 Minuten erreicht und wurde beendet.</translation>
    </message>
    <message>
        <source>Print Worksheet…</source>
        <translation>Arbeitsblatt drucken…</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Making the worksheet…</source>
        <translation>Arbeitsblatt wird erstellt…</translation>
    </message>
    <message>
        <source>The worksheet could not be saved.</source>
        <translation>Das Arbeitsblatt konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Hindernis</translation>
    </message>
    <message>
        <source>Look at how waves move around barriers.</source>
        <translation>Sehen Sie, wie sich Wellen um Hindernisse herum ausbreiten.</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Ebener Spiegel</translation>
    </message>
    <message>
        <source>Examine what happens to waves as they reflect off a surface.</source>
        <translation>Untersuchen Sie, was mit Wellen geschieht, wenn sie an einer Fläche reflektiert werden.</translation>
    </message>
    <message>
        <source>Examine how waves behave at the boundaries between media. <byte value="xd"/>
(There is a quick mode of controlling where the boundary is or an accurate mode.)</source>
        <translation>Untersuchen Sie, wie sich Wellen an Grenzflächen zwischen Medien verhalten. <byte value="xd"/>
(Die Lage der Grenzfläche lässt sich schnell oder genau einstellen.)</translation>
    </message>
    <message>
        <source>Curved Mirror</source>
        <translation>Gekrümmter Spiegel</translation>
    </message>
    <message>
        <source>Look at the effects of different circular and parabolic mirrors. See how well they focus waves.</source>
        <translation>Sehen Sie die Wirkung verschiedener kreisförmiger und parabolischer Spiegel. Prüfen Sie, wie gut sie Wellen bündeln.</translation>
    </message>
    <message>
        <source>Timer rate</source>
        <translation>Taktrate</translation>
    </message>
    <message>
        <source>Draw rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-Last</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Auslenkung</translation>
    </message>
    <message>
        <source> in air</source>
        <extracomment>After a wavelength in the spectrometer&apos;s read-out: &quot;(41.2mm in air)&quot;.</extracomment>
        <translation> in Luft</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Wanne</translation>
    </message>
    <message>
        <source>%1, handle %2 of %3, at %4 mm, %5 mm</source>
        <extracomment>%1 is the object&apos;s name (with its reading, for a tool), %2 the handle&apos;s number, %3 how many handles the object has, %4 and %5 the handle&apos;s place in millimetres from the left and from the bottom.</extracomment>
        <translation>%1, Griff %2 von %3, bei %4 mm, %5 mm</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is the tool&apos;s name, %2 its reading as the tool shows it (e.g. &quot;156.0mm&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message>
        <source>Objects in the tank</source>
        <translation>Objekte in der Wanne</translation>
    </message>
    <message>
        <source>Slide name</source>
        <translation>Name der Folie</translation>
    </message>
    <message>
        <source>Slide description</source>
        <translation>Beschreibung der Folie</translation>
    </message>
    <message>
        <source>The water and its objects. N and Shift+N pick the next or previous handle, the arrow keys move it (with Shift ten cells), Delete deletes the selected object, Space runs or freezes the water.</source>
        <translation>Das Wasser und seine Objekte. N und Umschalt+N wählen den nächsten oder vorigen Griff, die Pfeiltasten verschieben ihn (mit Umschalt um zehn Zellen), Entf löscht das ausgewählte Objekt, die Leertaste lässt das Wasser laufen oder hält es an.</translation>
    </message>
    <message>
        <source>Theory</source>
        <translation>Theorie</translation>
    </message>
    <message>
        <source>measured</source>
        <extracomment>Put before a measuring tool&apos;s reading beside the prediction it checks: &quot;m=1 14.5° (measured 14.2°)&quot;.</extracomment>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>1st min</source>
        <extracomment>Labels a single slit&apos;s first diffraction minimum, followed by its angle.</extracomment>
        <translation>1. Min.</translation>
    </message>
    <message>
        <source>spacing</source>
        <extracomment>Labels the distance between the bright fringes m=0 and m=1 where the lines meet the tank&apos;s edge.</extracomment>
        <translation>Abstand</translation>
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
        <translation>Bild</translation>
    </message>
    <message>
        <source>shadow edge</source>
        <extracomment>The line beyond a barrier&apos;s end that bounds the geometric shadow.</extracomment>
        <translation>Schattengrenze</translation>
    </message>
    <message>
        <source>front</source>
        <extracomment>The circle a wave front from the source has reached by now.</extracomment>
        <translation>Front</translation>
    </message>
    <message>
        <source>Timer interval</source>
        <translation>Taktintervall</translation>
    </message>
    <message>
        <source>Memory Usage</source>
        <translation>Speicherbedarf</translation>
    </message>
</context>
</TS>
