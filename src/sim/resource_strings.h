#pragma once

#include <string_view>

namespace wavora {

// Every text the user sees, in one table: the core's own texts and the window's captions, hints,
// menu entries and message boxes. Panels read their captions from here when they are built.
namespace rs {

// Slides and tanks
inline constexpr std::string_view EmptySlide = "Empty Slide";
inline constexpr std::string_view ChooseAnObject = "Choose an object to explore.";
inline constexpr std::string_view EmptyTank = "Empty Tank";

// Window
inline constexpr std::string_view AppTitle = "Wavora";
inline constexpr std::string_view Controls = "Controls";
inline constexpr std::string_view Contrast = "Contrast";
inline constexpr std::string_view ToolsTab = "Tools";
inline constexpr std::string_view SlidesTab = "Slides";
inline constexpr std::string_view CopyCaption = "Copy";
inline constexpr std::string_view SaveCaption = "Save";
inline constexpr std::string_view Experiment = "Experiment";
inline constexpr std::string_view NewSlide = "New Slide";
inline constexpr std::string_view DeleteSlide = "Delete Slide";
inline constexpr std::string_view Drips = "Drips";
inline constexpr std::string_view FastForward = "Fast Forward";
inline constexpr std::string_view SlidePrefix = "Slide ";
inline constexpr std::string_view VersionPrefix = "Version ";
inline constexpr std::string_view ShowDebugPanel = "i";
inline constexpr std::string_view DebugPanelHint =
    "Show frame rate, CPU usage and read-outs under the pointer";
inline constexpr std::string_view SlideshowMenuHint = "Open, save, cut, copy or paste slides";
inline constexpr std::string_view ExperimentHint = "Choose what is in the tank";
inline constexpr std::string_view HelpHint = "Help, display shape and about";
inline constexpr std::string_view CopySnapshotHint = "Copy snapshot of water";
inline constexpr std::string_view SaveSnapshotHint = "Save snapshot of water";
inline constexpr std::string_view HelpCaption = "Help";
inline constexpr std::string_view SlideNamePlaceholder = "Name of this slide";
inline constexpr std::string_view SlideDescriptionPlaceholder = "What this slide shows";
inline constexpr std::string_view AboutTagline = "Waves in a ripple tank, for the classroom";
inline constexpr std::string_view AboutText =
    "Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.";
inline constexpr std::string_view AboutClose = "Click anywhere to close";
inline constexpr std::string_view NextSlide = "Next slide";
inline constexpr std::string_view PreviousSlide = "Previous slide";
inline constexpr std::string_view OkCaption = "OK";
inline constexpr std::string_view CloseCaption = "Close";

// Refractive-index panel
inline constexpr std::string_view RefractiveIndex = "Refractive Index";
inline constexpr std::string_view Air = "Air";
inline constexpr std::string_view Water = "Water";
inline constexpr std::string_view Glass = "Glass";
inline constexpr std::string_view Diamond = "Diamond";

// Line and curved mirror panels
inline constexpr std::string_view Mirror = "Mirror";
inline constexpr std::string_view Quick = "Quick";
inline constexpr std::string_view Accurate = "Accurate";
inline constexpr std::string_view CircularShape = "Circular Shape";
inline constexpr std::string_view ParabolicShape = "Parabolic Shape";
inline constexpr std::string_view QuickHint = "Turn it with one handle; it always faces the source";
inline constexpr std::string_view QuickOtherSideHint = "Quick, with the slower medium on the other side";
inline constexpr std::string_view AccurateHint = "Place both ends with their handles";
inline constexpr std::string_view QuickMirrorHint = "Set the curve with one handle";
inline constexpr std::string_view AccurateMirrorHint = "Place the focus and the middle of the mirror";

// Hints
inline constexpr std::string_view ClearTheWater = "Clear the water";
inline constexpr std::string_view FreezeTheWater = "Freeze the water";
inline constexpr std::string_view MakeDrips = "Click on water to make drips";
inline constexpr std::string_view AdjustContrast = "Adjust water contrast";

// Menus
inline constexpr std::string_view OpenSlideshow = "Open Slideshow";
inline constexpr std::string_view SaveSlideshow = "Save Slideshow";
inline constexpr std::string_view CutSlide = "Cut Slide";
inline constexpr std::string_view CopySlide = "Copy Slide";
inline constexpr std::string_view PasteSlide = "Paste Slide";
inline constexpr std::string_view Examples = "Examples";
inline constexpr std::string_view WavoraHelp = "Wavora Help";
inline constexpr std::string_view DisplayShape = "Display Shape";
inline constexpr std::string_view ShapeNormal = "Normal";
inline constexpr std::string_view ShapeSmall = "Small";
inline constexpr std::string_view ShapeLongAndThin = "Long and thin";
inline constexpr std::string_view ShapeTallAndNarrow = "Tall and Narrow";
inline constexpr std::string_view Presentation = "Presentation";
inline constexpr std::string_view AboutWavora = "About Wavora";
inline constexpr std::string_view Exit = "Exit";

// Files
inline constexpr std::string_view SlideshowFilter = "Wavora File (*.wvr)|*.wvr";
inline constexpr std::string_view SlideshowExtension = "wvr";
inline constexpr std::string_view SnapshotDialogTitle = "Save Snap shot to file";
inline constexpr std::string_view SnapshotFilter = "JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp";
inline constexpr std::string_view SnapshotExtension = "jpg";
inline constexpr std::string_view CouldNotSaveSnapshot = "The snapshot could not be saved.";
inline constexpr std::string_view CouldNotSave = "The slideshow could not be saved.";
inline constexpr std::string_view HelpNotFound =
    "The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed "
    "program, and in the help folder of the build it comes from.";
inline constexpr std::string_view HelpBack = "Back";
inline constexpr std::string_view HelpForward = "Forward";
inline constexpr std::string_view HelpHome = "Home";

// The web page's files and clipboard
// %1 is the address of the lesson.
inline constexpr std::string_view LessonNotLoaded = "The lesson could not be loaded from \"%1\".";
inline constexpr std::string_view DropLesson = "Drop a Wavora lesson (.wvr) here to open it";
inline constexpr std::string_view PasteFallback =
    "This browser does not let the page read the clipboard. Paste the slide's text into the box "
    "(Ctrl+V), then choose Paste Slide.";
inline constexpr std::string_view CopyFallback =
    "This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).";
inline constexpr std::string_view NoPictureOnClipboard =
    "This browser does not let the page put a picture on the clipboard; use Save instead.";

// Unsaved changes
inline constexpr std::string_view ChangedMark = "*";
inline constexpr std::string_view Untitled = "Untitled";
// %1 is the slideshow's name.
inline constexpr std::string_view SaveChangesQuestion = "Save changes to \"%1\"?";

// Opening a slideshow
inline constexpr std::string_view CouldNotLoad =
    "Even after trying to ignore errors, this file could not be loaded.";
inline constexpr std::string_view ProblemReported = "The following problem was reported:";
inline constexpr std::string_view NoSlideshowInFile = "File did not contain a slideshow";
inline constexpr std::string_view NewerVersionLoaded =
    "File is from a newer version but seems to have loaded without a problem";
inline constexpr std::string_view ObjectsLost =
    "File is from a newer version and some objects seem to have been lost, salvaged slideshow has been "
    "loaded.";

// Slides through the clipboard
inline constexpr std::string_view ClipboardCorrupted =
    "Clipboard data has been corrupted and can not be used";
inline constexpr std::string_view NoExperimentOnClipboard = "No Experiment setup found on the clipboard";
inline constexpr std::string_view WrongClipboardObject = "Clipboard Experiment object is of the wrong type";
inline constexpr std::string_view SlideshowFull =
    "The slideshow already holds the most slides a file can keep; delete one first.";

// Object catalogue
inline constexpr std::string_view NewToolPrefix = "New ";
inline constexpr std::string_view AddToolHint = "Add a measuring tool to the tank";
inline constexpr std::string_view DeleteObjectHint = "Delete the selected object";
inline constexpr std::string_view SnapCaption = "Snap";
inline constexpr std::string_view SnapHint = "Make it easier to line up tools";
inline constexpr std::string_view CouldNotSaveFile = "The file could not be saved.";

// Block
inline constexpr std::string_view Block = "Block";
inline constexpr std::string_view BlockDescription = "Rectangular Block";

// Lenses and their panel
inline constexpr std::string_view Lenses = "Lenses";
inline constexpr std::string_view LensesDescription =
    "See how focal length and refractive index affect how waves focus and diverge.";
inline constexpr std::string_view Convex = "Convex";
inline constexpr std::string_view Concave = "Concave";

// Wave source and its panel
inline constexpr std::string_view WaveSource = "Wave Source";
inline constexpr std::string_view WaveSourceDescription = "Can make different widths of wave ";
inline constexpr std::string_view PointSource = "Point Source";
inline constexpr std::string_view BeamSource = "Beam Source";
inline constexpr std::string_view LineSource = "Line Source";
inline constexpr std::string_view DoubleSource = "Double Source";
inline constexpr std::string_view DopplerSource = "Doppler Source";
inline constexpr std::string_view Continuous = "Continuous";
inline constexpr std::string_view Pulse = "Pulse";
inline constexpr std::string_view WavelengthCaption = "Wavelength";
inline constexpr std::string_view FrequencyCaption = "Frequency";
inline constexpr std::string_view DetuneCaption = "Detune";
inline constexpr std::string_view MachPrefix = "Mach ";
inline constexpr std::string_view HarmonicsCaption = "Harmonics";
inline constexpr std::string_view Millimetres = "mm";
inline constexpr std::string_view Hertz = "Hz";
inline constexpr std::string_view TimesSuffix = "x";
inline constexpr std::string_view SourceShapeHint = "Choose the kind of source";
inline constexpr std::string_view DopplerResetHint = "Start the moving source again from the left";
inline constexpr std::string_view HarmonicsHint = "Let the moving source sound with harmonics";
inline constexpr std::string_view FrequencyToggleHint = "Set the frequency instead of the wavelength";

// Fibre, slits, the Earth and tsunami, and their panels
inline constexpr std::string_view FibreOptic = "Fibre optic";
inline constexpr std::string_view FibreOpticDescription =
    "Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.";
inline constexpr std::string_view FibreWidth = "Fibre Width";
inline constexpr std::string_view Slits = "Slits";
inline constexpr std::string_view SlitsDescription = "Grating made up of slits";
inline constexpr std::string_view SlitCaption = "Slit";
inline constexpr std::string_view SlitWidthCaption = "Width";
inline constexpr std::string_view SpacingCaption = "Spacing";
inline constexpr std::string_view TheEarth = "The Earth";
inline constexpr std::string_view TheEarthDescription =
    "The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of "
    "the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and "
    "shows how refraction helps transmissions carry. The movement of two different types of earthquake "
    "wave are also shown.";
inline constexpr std::string_view Atmosphere = "Atmosphere";
inline constexpr std::string_view Reflection = "Reflection";
inline constexpr std::string_view Refraction = "Refraction";
inline constexpr std::string_view Mirages = "Mirages";
inline constexpr std::string_view Earthquakes = "Earthquakes";
inline constexpr std::string_view PWaves = "P-Waves";
inline constexpr std::string_view SWaves = "S-Waves";
inline constexpr std::string_view Tsunami = "Tsunami";
inline constexpr std::string_view TsunamiDescription =
    "Tsunami are waves in the ocean caused by earthquakes. ";
inline constexpr std::string_view IndianOcean = "Indian Ocean";
inline constexpr std::string_view Atlantic = "Atlantic";
inline constexpr std::string_view Beach = "Beach";
// Measuring tools and their panels
inline constexpr std::string_view Ruler = "Ruler";
inline constexpr std::string_view RulerDescription = "For measuring lengths";
inline constexpr std::string_view Protractor = "Protractor";
inline constexpr std::string_view ProtractorDescription = "For measuring angles";
inline constexpr std::string_view CrossSection = "Cross-section";
inline constexpr std::string_view CrossSectionDescription = "Displays the wavesform along a given line";
inline constexpr std::string_view Intensity = "Intensity";
inline constexpr std::string_view IntensityDescription = "Displays the intensity of the waves along a line";
inline constexpr std::string_view Stopwatch = "Stopwatch";
inline constexpr std::string_view StopwatchDescription = "A Simple stopwatch";
inline constexpr std::string_view Spectrometer = "Spectrometer";
inline constexpr std::string_view SpectrometerDescription =
    "Show a representation of the spectrum of wavelengths. ";
inline constexpr std::string_view SignalLevelMeter = "Signal Level Meter";
inline constexpr std::string_view SignalLevelMeterDescription =
    "Shows the peak or average signal level in db units.";
inline constexpr std::string_view PaperTapeLogger = "Paper tape Logger";
inline constexpr std::string_view PaperTapeLoggerDescription = "Log the changes over time at a point. ";
inline constexpr std::string_view PeakLevel = "Peak Level";
inline constexpr std::string_view AverageLevel = "Average Level";
inline constexpr std::string_view RealtimeLevel = "Realtime Level";
inline constexpr std::string_view PeakLevelMeter = "Peak Level Meter";
inline constexpr std::string_view AverageLevelMeter = "Average Level Meter";
inline constexpr std::string_view RealtimeLevelMeter = "Realtime Level Meter";
inline constexpr std::string_view Decibels = "db";
inline constexpr std::string_view SavePaperTape = "Save Paper Tape";
inline constexpr std::string_view CopyPaperTape = "Copy Paper Tape";
inline constexpr std::string_view Record = "Record";
inline constexpr std::string_view Stop = "Stop";
inline constexpr std::string_view ClearTape = "Clear the tape";
inline constexpr std::string_view SaveSnapshot = "Save Snapshot";
inline constexpr std::string_view CopySnapshot = "Copy Snapshot";
inline constexpr std::string_view SaveData = "Save Data\u2026";
inline constexpr std::string_view CopyData = "Copy Data";
inline constexpr std::string_view NoGain = "No Gain";
inline constexpr std::string_view X2Gain = "x2 Gain";
inline constexpr std::string_view X4Gain = "x4 Gain";
inline constexpr std::string_view X8Gain = "x8 Gain";
inline constexpr std::string_view X16Gain = "x16 Gain";
inline constexpr std::string_view Normalise = "Normalise";
inline constexpr std::string_view ImageAndGraph = "Image and Graph";
inline constexpr std::string_view ImageOnly = "Image only";
inline constexpr std::string_view GraphOnly = "Graph only";
inline constexpr std::string_view Calculating = "Calculating...";
inline constexpr std::string_view FastButJittery = "Fast but jittery";
inline constexpr std::string_view AccurateButSlow = "Accurate but slow";
inline constexpr std::string_view RawSpectrum = "Raw Spectrum";
inline constexpr std::string_view EqualSpacedFrequency = "Equal Spaced Frequency";
inline constexpr std::string_view EqualSpacedWavelength = "Equal spaced Wavelength";
inline constexpr std::string_view DataFilter = "Comma-separated values (*.csv)|*.csv";
inline constexpr std::string_view DataExtension = "csv";
inline constexpr std::string_view SaveDataDialogTitle = "Save the tool's readings";
inline constexpr std::string_view CouldNotSaveData = "The readings could not be saved.";

// Clips and worksheets
inline constexpr std::string_view RecordHint = "Record the water as a clip; click again to stop and save it";
inline constexpr std::string_view StopRecordingHint = "Stop recording and save the clip";
inline constexpr std::string_view ClipDialogTitle = "Save the clip";
inline constexpr std::string_view ClipFilter = "Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm";
inline constexpr std::string_view ClipExtension = "gif";
inline constexpr std::string_view WritingClip = "Writing the clip\u2026";
inline constexpr std::string_view CouldNotRecord = "The water could not be recorded.";
inline constexpr std::string_view CouldNotSaveClip = "The clip could not be saved.";
inline constexpr std::string_view RecordingFull =
    "The recording has reached its limit of 10 minutes and has stopped.";
inline constexpr std::string_view PrintWorksheet = "Print Worksheet\u2026";
inline constexpr std::string_view WorksheetDialogTitle = "Save the worksheet";
inline constexpr std::string_view WorksheetFilter = "PDF (*.pdf)|*.pdf";
inline constexpr std::string_view WorksheetExtension = "pdf";
inline constexpr std::string_view MakingWorksheet = "Making the worksheet\u2026";
inline constexpr std::string_view CouldNotSaveWorksheet = "The worksheet could not be saved.";
inline constexpr std::string_view Cancel = "Cancel";

}  // namespace rs

}  // namespace wavora
