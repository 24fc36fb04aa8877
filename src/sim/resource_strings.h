#pragma once

#include <string_view>

#include "sim/text_language.h"

namespace wavora {

// Every text the user sees, in one table: the core's own texts and the window's captions, hints,
// menu entries and message boxes, in English. Each reaches the user in the chosen language (a TText reads
// as its translation); the translation sources are made from this file (scripts/translations).
namespace rs {

// Numbers
//: The decimal separator of numbers in read-outs and in the pictures (files keep ".").
inline constexpr TText DecimalSeparator = Text(".");

// Slides and tanks
inline constexpr TText EmptySlide = Text("Empty Slide");
inline constexpr TText ChooseAnObject = Text("Choose an object to explore.");
inline constexpr TText EmptyTank = Text("Empty Tank");

// Window
inline constexpr TText AppTitle = Text("Wavora");
inline constexpr TText Controls = Text("Controls");
inline constexpr TText Contrast = Text("Contrast");
inline constexpr TText ToolsTab = Text("Tools");
inline constexpr TText SlidesTab = Text("Slides");
inline constexpr TText CopyCaption = Text("Copy");
inline constexpr TText SaveCaption = Text("Save");
inline constexpr TText Experiment = Text("Experiment");
inline constexpr TText NewSlide = Text("New Slide");
inline constexpr TText DeleteSlide = Text("Delete Slide");
inline constexpr TText Drips = Text("Drips");
inline constexpr TText FastForward = Text("Fast Forward");
inline constexpr TText SlidePrefix = Text("Slide ");
inline constexpr TText VersionPrefix = Text("Version ");
inline constexpr TText ShowDebugPanel = Text("i");
inline constexpr TText TimerRate = Text("Timer rate");
inline constexpr TText DrawRate = Text("Draw rate");
inline constexpr TText CpuUsage = Text("CPU usage");
inline constexpr TText TimerInterval = Text("Timer interval");
inline constexpr TText MemoryUsage = Text("Memory Usage");
inline constexpr TText Speed = Text("Speed");
inline constexpr TText Displacement = Text("Displacement");
inline constexpr TText DebugPanelHint = Text("Show frame rate, CPU usage and read-outs under the pointer");
inline constexpr TText SlideshowMenuHint = Text("Open, save, cut, copy or paste slides");
inline constexpr TText ExperimentHint = Text("Choose what is in the tank");
inline constexpr TText HelpHint = Text("Help, display shape and about");
inline constexpr TText CopySnapshotHint = Text("Copy snapshot of water");
inline constexpr TText SaveSnapshotHint = Text("Save snapshot of water");
inline constexpr TText HelpCaption = Text("Help");
inline constexpr TText SlideNamePlaceholder = Text("Name of this slide");
inline constexpr TText SlideDescriptionPlaceholder = Text("What this slide shows");
inline constexpr TText AboutTagline = Text("Waves in a ripple tank, for the classroom");
inline constexpr TText AboutText =
    Text("Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.");
inline constexpr TText AboutClose = Text("Click anywhere to close");
inline constexpr TText NextSlide = Text("Next slide");
inline constexpr TText PreviousSlide = Text("Previous slide");
inline constexpr TText OkCaption = Text("OK");
inline constexpr TText CloseCaption = Text("Close");

// Refractive-index panel
inline constexpr TText RefractiveIndex = Text("Refractive Index");
inline constexpr TText Air = Text("Air");
inline constexpr TText Water = Text("Water");
inline constexpr TText Glass = Text("Glass");
inline constexpr TText Diamond = Text("Diamond");

// Line and curved mirror panels
inline constexpr TText Mirror = Text("Mirror");
inline constexpr TText Quick = Text("Quick");
inline constexpr TText Accurate = Text("Accurate");
inline constexpr TText CircularShape = Text("Circular Shape");
inline constexpr TText ParabolicShape = Text("Parabolic Shape");
inline constexpr TText QuickHint = Text("Turn it with one handle; it always faces the source");
inline constexpr TText QuickOtherSideHint = Text("Quick, with the slower medium on the other side");
inline constexpr TText AccurateHint = Text("Place both ends with their handles");
inline constexpr TText QuickMirrorHint = Text("Set the curve with one handle");
inline constexpr TText AccurateMirrorHint = Text("Place the focus and the middle of the mirror");

// Hints
inline constexpr TText ClearTheWater = Text("Clear the water");
inline constexpr TText FreezeTheWater = Text("Freeze the water");
inline constexpr TText MakeDrips = Text("Click on water to make drips");
inline constexpr TText AdjustContrast = Text("Adjust water contrast");

// Menus
inline constexpr TText Language = Text("Language");
inline constexpr TText OpenSlideshow = Text("Open Slideshow");
inline constexpr TText SaveSlideshow = Text("Save Slideshow");
inline constexpr TText CutSlide = Text("Cut Slide");
inline constexpr TText CopySlide = Text("Copy Slide");
inline constexpr TText PasteSlide = Text("Paste Slide");
inline constexpr TText Examples = Text("Examples");
inline constexpr TText WavoraHelp = Text("Wavora Help");
inline constexpr TText DisplayShape = Text("Display Shape");
inline constexpr TText ShapeNormal = Text("Normal");
inline constexpr TText ShapeSmall = Text("Small");
inline constexpr TText ShapeLongAndThin = Text("Long and thin");
inline constexpr TText ShapeTallAndNarrow = Text("Tall and Narrow");
inline constexpr TText Presentation = Text("Presentation");
inline constexpr TText AboutWavora = Text("About Wavora");
inline constexpr TText Exit = Text("Exit");

// Files
inline constexpr TText SlideshowFilter = Text("Wavora File (*.wvr)|*.wvr");
inline constexpr TText SnapshotDialogTitle = Text("Save Snap shot to file");
inline constexpr TText SnapshotFilter = Text("JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp");
inline constexpr TText CouldNotSaveSnapshot = Text("The snapshot could not be saved.");
inline constexpr TText CouldNotSave = Text("The slideshow could not be saved.");
inline constexpr TText HelpNotFound = Text(
    "The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed "
    "program, and in the help folder of the build it comes from.");
inline constexpr TText HelpBack = Text("Back");
inline constexpr TText HelpForward = Text("Forward");
inline constexpr TText HelpHome = Text("Home");

// The web page's files and clipboard
//: %1 is the address of the lesson.
inline constexpr TText LessonNotLoaded = Text("The lesson could not be loaded from \"%1\".");
inline constexpr TText DropLesson = Text("Drop a Wavora lesson (.wvr) here to open it");
inline constexpr TText PasteFallback = Text(
    "This browser does not let the page read the clipboard. Paste the slide's text into the box "
    "(Ctrl+V), then choose Paste Slide.");
inline constexpr TText CopyFallback =
    Text("This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).");
inline constexpr TText NoPictureOnClipboard =
    Text("This browser does not let the page put a picture on the clipboard; use Save instead.");

// Unsaved changes
inline constexpr TText ChangedMark = Text("*");
inline constexpr TText Untitled = Text("Untitled");
//: %1 is the slideshow's name.
inline constexpr TText SaveChangesQuestion = Text("Save changes to \"%1\"?");

// Opening a slideshow
inline constexpr TText CouldNotLoad =
    Text("Even after trying to ignore errors, this file could not be loaded.");
inline constexpr TText ProblemReported = Text("The following problem was reported:");
inline constexpr TText NoSlideshowInFile = Text("File did not contain a slideshow");
inline constexpr TText NewerVersionLoaded =
    Text("File is from a newer version but seems to have loaded without a problem");
inline constexpr TText ObjectsLost = Text(
    "File is from a newer version and some objects seem to have been lost, salvaged slideshow has been "
    "loaded.");

// Slides through the clipboard
inline constexpr TText ClipboardCorrupted = Text("Clipboard data has been corrupted and can not be used");
inline constexpr TText NoExperimentOnClipboard = Text("No Experiment setup found on the clipboard");
inline constexpr TText WrongClipboardObject = Text("Clipboard Experiment object is of the wrong type");
inline constexpr TText SlideshowFull =
    Text("The slideshow already holds the most slides a file can keep; delete one first.");

// Object catalogue
inline constexpr TText NewToolPrefix = Text("New ");
inline constexpr TText AddToolHint = Text("Add a measuring tool to the tank");
inline constexpr TText DeleteObjectHint = Text("Delete the selected object");
inline constexpr TText SnapCaption = Text("Snap");
inline constexpr TText SnapHint = Text("Make it easier to line up tools");
inline constexpr TText CouldNotSaveFile = Text("The file could not be saved.");

// Block
inline constexpr TText Block = Text("Block");
inline constexpr TText BlockDescription = Text("Rectangular Block");

// Barrier, plane mirror, refraction boundary and curved mirrors
inline constexpr TText Barrier = Text("Barrier");
inline constexpr TText BarrierDescription = Text("Look at how waves move around barriers.");
inline constexpr TText PlaneMirror = Text("Plane Mirror");
inline constexpr TText PlaneMirrorDescription =
    Text("Examine what happens to waves as they reflect off a surface.");
inline constexpr TText RefractionDescription = Text(
    "Examine how waves behave at the boundaries between media. \r\n(There is a quick mode of controlling "
    "where the "
    "boundary is or an accurate mode.)");
inline constexpr TText CurvedMirror = Text("Curved Mirror");
inline constexpr TText CurvedMirrorDescription =
    Text("Look at the effects of different circular and parabolic mirrors. See how well they focus waves.");

// Lenses and their panel
inline constexpr TText Lenses = Text("Lenses");
inline constexpr TText LensesDescription =
    Text("See how focal length and refractive index affect how waves focus and diverge.");
inline constexpr TText Convex = Text("Convex");
inline constexpr TText Concave = Text("Concave");

// Wave source and its panel
inline constexpr TText WaveSource = Text("Wave Source");
inline constexpr TText WaveSourceDescription = Text("Can make different widths of wave ");
inline constexpr TText PointSource = Text("Point Source");
inline constexpr TText BeamSource = Text("Beam Source");
inline constexpr TText LineSource = Text("Line Source");
inline constexpr TText DoubleSource = Text("Double Source");
inline constexpr TText DopplerSource = Text("Doppler Source");
inline constexpr TText Continuous = Text("Continuous");
inline constexpr TText Pulse = Text("Pulse");
inline constexpr TText WavelengthCaption = Text("Wavelength");
inline constexpr TText FrequencyCaption = Text("Frequency");
inline constexpr TText DetuneCaption = Text("Detune");
inline constexpr TText MachPrefix = Text("Mach ");
inline constexpr TText HarmonicsCaption = Text("Harmonics");
inline constexpr TText Millimetres = Text("mm");
inline constexpr TText Hertz = Text("Hz");
//: After a wavelength in the spectrometer's read-out: "(41.2mm in air)".
inline constexpr TText InAir = Text(" in air");
inline constexpr TText TimesSuffix = Text("x");
inline constexpr TText SourceShapeHint = Text("Choose the kind of source");
inline constexpr TText DopplerResetHint = Text("Start the moving source again from the left");
inline constexpr TText HarmonicsHint = Text("Let the moving source sound with harmonics");
inline constexpr TText FrequencyToggleHint = Text("Set the frequency instead of the wavelength");

// Fibre, slits, the Earth and tsunami, and their panels
inline constexpr TText FibreOptic = Text("Fibre optic");
inline constexpr TText FibreOpticDescription =
    Text("Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.");
inline constexpr TText FibreWidth = Text("Fibre Width");
inline constexpr TText Slits = Text("Slits");
inline constexpr TText SlitsDescription = Text("Grating made up of slits");
inline constexpr TText SlitCaption = Text("Slit");
inline constexpr TText SlitWidthCaption = Text("Width");
inline constexpr TText SpacingCaption = Text("Spacing");
inline constexpr TText TheEarth = Text("The Earth");
inline constexpr TText TheEarthDescription = Text(
    "The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of "
    "the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and "
    "shows how refraction helps transmissions carry. The movement of two different types of earthquake "
    "wave are also shown.");
inline constexpr TText Atmosphere = Text("Atmosphere");
inline constexpr TText Reflection = Text("Reflection");
inline constexpr TText Refraction = Text("Refraction");
inline constexpr TText Mirages = Text("Mirages");
inline constexpr TText Earthquakes = Text("Earthquakes");
inline constexpr TText PWaves = Text("P-Waves");
inline constexpr TText SWaves = Text("S-Waves");
inline constexpr TText Tsunami = Text("Tsunami");
inline constexpr TText TsunamiDescription = Text("Tsunami are waves in the ocean caused by earthquakes. ");
inline constexpr TText IndianOcean = Text("Indian Ocean");
inline constexpr TText Atlantic = Text("Atlantic");
inline constexpr TText Beach = Text("Beach");
// Measuring tools and their panels
inline constexpr TText Ruler = Text("Ruler");
inline constexpr TText RulerDescription = Text("For measuring lengths");
inline constexpr TText Protractor = Text("Protractor");
inline constexpr TText ProtractorDescription = Text("For measuring angles");
inline constexpr TText CrossSection = Text("Cross-section");
inline constexpr TText CrossSectionDescription = Text("Displays the wavesform along a given line");
inline constexpr TText Intensity = Text("Intensity");
inline constexpr TText IntensityDescription = Text("Displays the intensity of the waves along a line");
inline constexpr TText Stopwatch = Text("Stopwatch");
inline constexpr TText StopwatchDescription = Text("A Simple stopwatch");
inline constexpr TText Spectrometer = Text("Spectrometer");
inline constexpr TText SpectrometerDescription =
    Text("Show a representation of the spectrum of wavelengths. ");
inline constexpr TText SignalLevelMeter = Text("Signal Level Meter");
inline constexpr TText SignalLevelMeterDescription =
    Text("Shows the peak or average signal level in db units.");
inline constexpr TText PaperTapeLogger = Text("Paper tape Logger");
inline constexpr TText PaperTapeLoggerDescription = Text("Log the changes over time at a point. ");
inline constexpr TText PeakLevel = Text("Peak Level");
inline constexpr TText AverageLevel = Text("Average Level");
inline constexpr TText RealtimeLevel = Text("Realtime Level");
inline constexpr TText PeakLevelMeter = Text("Peak Level Meter");
inline constexpr TText AverageLevelMeter = Text("Average Level Meter");
inline constexpr TText RealtimeLevelMeter = Text("Realtime Level Meter");
inline constexpr TText Decibels = Text("db");
inline constexpr TText SavePaperTape = Text("Save Paper Tape");
inline constexpr TText CopyPaperTape = Text("Copy Paper Tape");
inline constexpr TText Record = Text("Record");
inline constexpr TText Stop = Text("Stop");
inline constexpr TText ClearTape = Text("Clear the tape");
inline constexpr TText SaveSnapshot = Text("Save Snapshot");
inline constexpr TText CopySnapshot = Text("Copy Snapshot");
inline constexpr TText SaveData = Text("Save Data\u2026");
inline constexpr TText CopyData = Text("Copy Data");
inline constexpr TText NoGain = Text("No Gain");
inline constexpr TText X2Gain = Text("x2 Gain");
inline constexpr TText X4Gain = Text("x4 Gain");
inline constexpr TText X8Gain = Text("x8 Gain");
inline constexpr TText X16Gain = Text("x16 Gain");
inline constexpr TText Normalise = Text("Normalise");
inline constexpr TText ImageAndGraph = Text("Image and Graph");
inline constexpr TText ImageOnly = Text("Image only");
inline constexpr TText GraphOnly = Text("Graph only");
inline constexpr TText Calculating = Text("Calculating...");
inline constexpr TText FastButJittery = Text("Fast but jittery");
inline constexpr TText AccurateButSlow = Text("Accurate but slow");
inline constexpr TText RawSpectrum = Text("Raw Spectrum");
inline constexpr TText EqualSpacedFrequency = Text("Equal Spaced Frequency");
inline constexpr TText EqualSpacedWavelength = Text("Equal spaced Wavelength");
inline constexpr TText DataFilter = Text("Comma-separated values (*.csv)|*.csv");
inline constexpr TText SaveDataDialogTitle = Text("Save the tool's readings");
inline constexpr TText CouldNotSaveData = Text("The readings could not be saved.");

// Clips and worksheets
inline constexpr TText RecordHint = Text("Record the water as a clip; click again to stop and save it");
inline constexpr TText StopRecordingHint = Text("Stop recording and save the clip");
inline constexpr TText ClipDialogTitle = Text("Save the clip");
inline constexpr TText ClipFilter = Text("Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm");
inline constexpr TText WritingClip = Text("Writing the clip\u2026");
inline constexpr TText CouldNotRecord = Text("The water could not be recorded.");
inline constexpr TText CouldNotSaveClip = Text("The clip could not be saved.");
inline constexpr TText RecordingFull =
    Text("The recording has reached its limit of 10 minutes and has stopped.");
inline constexpr TText PrintWorksheet = Text("Print Worksheet\u2026");
inline constexpr TText WorksheetDialogTitle = Text("Save the worksheet");
inline constexpr TText WorksheetFilter = Text("PDF (*.pdf)|*.pdf");
inline constexpr TText MakingWorksheet = Text("Making the worksheet\u2026");
inline constexpr TText CouldNotSaveWorksheet = Text("The worksheet could not be saved.");
inline constexpr TText Cancel = Text("Cancel");

// Keyboard and screen readers
inline constexpr TText TankName = Text("Tank");
inline constexpr TText TankDescription = Text(
    "The water and its objects. N and Shift+N pick the next or previous handle, the arrow keys move it "
    "(with Shift ten cells), Delete deletes the selected object, Space runs or freezes the water.");
//: %1 is the object's name (with its reading, for a tool), %2 the handle's number, %3 how many handles
//: the object has, %4 and %5 the handle's place in millimetres from the left and from the bottom.
inline constexpr TText PickedHandle = Text("%1, handle %2 of %3, at %4 mm, %5 mm");
//: %1 is the tool's name, %2 its reading as the tool shows it (e.g. "156.0mm").
inline constexpr TText ToolReading = Text("%1 %2");
inline constexpr TText HighContrast = Text("High Contrast");
inline constexpr TText ObjectListName = Text("Objects in the tank");
inline constexpr TText SlideNameField = Text("Slide name");
inline constexpr TText SlideDescriptionField = Text("Slide description");

// Theory overlay
inline constexpr TText Theory = Text("Theory");
//: Put before a measuring tool's reading beside the prediction it checks: "m=1 14.5° (measured 14.2°)".
inline constexpr TText TheoryMeasured = Text("measured");
//: Labels a single slit's first diffraction minimum, followed by its angle.
inline constexpr TText TheoryFirstMinimum = Text("1st min");
//: Labels the distance between the bright fringes m=0 and m=1 where the lines meet the tank's edge.
inline constexpr TText TheoryFringeSpacing = Text("spacing");

// Theory overlay: media
//: The angle of incidence, from the normal; labels read e.g. "θ1 = 30.0°".
inline constexpr TText IncidenceAngleMark = Text("θ1");
//: The refracted ray's angle from the normal.
inline constexpr TText RefractionAngleMark = Text("θ2");
//: The reflected ray's angle from the normal.
inline constexpr TText ReflectionAngleMark = Text("θr");
//: The critical angle of total internal reflection.
inline constexpr TText CriticalAngleMark = Text("θc");
//: The focus the law predicts (the lens's or mirror's focal point).
inline constexpr TText FocusMark = Text("F");
//: Where a lens or mirror puts the picture of a point source.
inline constexpr TText ImageMark = Text("image");
//: The line beyond a barrier's end that bounds the geometric shadow.
inline constexpr TText ShadowEdgeMark = Text("shadow edge");
//: The circle a wave front from the source has reached by now.
inline constexpr TText FrontMark = Text("front");

// File extensions are no words and stay as they are (kept last: the translation sources are read
// from the entries above).
inline constexpr std::string_view SlideshowExtension = "wvr";
inline constexpr std::string_view SnapshotExtension = "jpg";
inline constexpr std::string_view DataExtension = "csv";
inline constexpr std::string_view ClipExtension = "gif";
inline constexpr std::string_view WorksheetExtension = "pdf";

}  // namespace rs

}  // namespace wavora
