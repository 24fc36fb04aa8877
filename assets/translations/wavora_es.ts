<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>wavora::rs</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers in read-outs and in the pictures (files keep &quot;.&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an object to explore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty Tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show frame rate, CPU usage and read-outs under the pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open, save, cut, copy or paste slides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what is in the tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help, display shape and about</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy snapshot of water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save snapshot of water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of this slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What this slide shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waves in a ripple tank, for the classroom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click anywhere to close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accurate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parabolic Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn it with one handle; it always faces the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick, with the slower medium on the other side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place both ends with their handles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the curve with one handle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the focus and the middle of the mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze the water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on water to make drips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust water contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Slide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavora Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long and thin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tall and Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Wavora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavora File (*.wvr)|*.wvr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Snap shot to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slideshow could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed program, and in the help folder of the build it comes from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lesson could not be loaded from &quot;%1&quot;.</source>
        <extracomment>%1 is the address of the lesson.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop a Wavora lesson (.wvr) here to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard. Paste the slide&apos;s text into the box (Ctrl+V), then choose Paste Slide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard; use Save instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <extracomment>%1 is the slideshow&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even after trying to ignore errors, this file could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following problem was reported:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File did not contain a slideshow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is from a newer version but seems to have loaded without a problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is from a newer version and some objects seem to have been lost, salvaged slideshow has been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard data has been corrupted and can not be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Experiment setup found on the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard Experiment object is of the wrong type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The slideshow already holds the most slides a file can keep; delete one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a measuring tool to the tank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make it easier to line up tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangular Block</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See how focal length and refractive index affect how waves focus and diverge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can make different widths of wave </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beam Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doppler Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mach </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the kind of source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the moving source again from the left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the moving source sound with harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the frequency instead of the wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fibre optic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fibre Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grating made up of slits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and shows how refraction helps transmissions carry. The movement of two different types of earthquake wave are also shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earthquakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P-Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tsunami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tsunami are waves in the ocean caused by earthquakes. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Ocean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For measuring lengths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protractor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For measuring angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross-section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the wavesform along a given line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays the intensity of the waves along a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Simple stopwatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a representation of the spectrum of wavelengths. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal Level Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the peak or average signal level in db units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper tape Logger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log the changes over time at a point. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak Level Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average Level Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realtime Level Meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Paper Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Paper Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x2 Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x4 Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x8 Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x16 Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image and Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast but jittery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accurate but slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw Spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal Spaced Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal spaced Wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the tool&apos;s readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record the water as a clip; click again to stop and save it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording and save the clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the clip…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The water could not be recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clip could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording has reached its limit of 10 minutes and has stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Worksheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making the worksheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at how waves move around barriers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examine what happens to waves as they reflect off a surface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examine how waves behave at the boundaries between media. <byte value="xd"/>
(There is a quick mode of controlling where the boundary is or an accurate mode.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curved Mirror</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at the effects of different circular and parabolic mirrors. See how well they focus waves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in air</source>
        <extracomment>After a wavelength in the spectrometer&apos;s read-out: &quot;(41.2mm in air)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
