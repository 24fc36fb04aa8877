<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>wavora::rs</name>
    <message>
        <source>.</source>
        <extracomment>The decimal separator of numbers in read-outs and in the pictures (files keep &quot;.&quot;).</extracomment>
        <translation>,</translation>
    </message>
    <message>
        <source>Empty Slide</source>
        <translation>Diapositive vide</translation>
    </message>
    <message>
        <source>Choose an object to explore.</source>
        <translation>Choisissez un objet à explorer.</translation>
    </message>
    <message>
        <source>Empty Tank</source>
        <translation>Cuve vide</translation>
    </message>
    <message>
        <source>Wavora</source>
        <translation>Wavora</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Slides</source>
        <translation>Diapos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sauver</translation>
    </message>
    <message>
        <source>Experiment</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>New Slide</source>
        <translation>Nouvelle diapositive</translation>
    </message>
    <message>
        <source>Delete Slide</source>
        <translation>Supprimer la diapositive</translation>
    </message>
    <message>
        <source>Drips</source>
        <translation>Gouttes</translation>
    </message>
    <message>
        <source>Fast Forward</source>
        <translation>Avance rapide</translation>
    </message>
    <message>
        <source>Slide </source>
        <translation>Diapositive </translation>
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
        <translation>Afficher la fréquence d&apos;images, la charge du processeur et les valeurs sous le pointeur</translation>
    </message>
    <message>
        <source>Open, save, cut, copy or paste slides</source>
        <translation>Ouvrir, enregistrer, couper, copier ou coller des diapositives</translation>
    </message>
    <message>
        <source>Choose what is in the tank</source>
        <translation>Choisissez ce qui se trouve dans la cuve</translation>
    </message>
    <message>
        <source>Help, display shape and about</source>
        <translation>Aide, format d&apos;affichage et à propos</translation>
    </message>
    <message>
        <source>Copy snapshot of water</source>
        <translation>Copier une capture de l&apos;eau</translation>
    </message>
    <message>
        <source>Save snapshot of water</source>
        <translation>Enregistrer une capture de l&apos;eau</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Name of this slide</source>
        <translation>Nom de cette diapositive</translation>
    </message>
    <message>
        <source>What this slide shows</source>
        <translation>Ce que montre cette diapositive</translation>
    </message>
    <message>
        <source>Waves in a ripple tank, for the classroom</source>
        <translation>Des ondes dans une cuve à ondes, pour la classe</translation>
    </message>
    <message>
        <source>Sources, mirrors, lenses, slits and measuring tools in a simulated tank of water.</source>
        <translation>Sources, miroirs, lentilles, fentes et instruments de mesure dans une cuve d&apos;eau simulée.</translation>
    </message>
    <message>
        <source>Click anywhere to close</source>
        <translation>Cliquez n&apos;importe où pour fermer</translation>
    </message>
    <message>
        <source>Next slide</source>
        <translation>Diapositive suivante</translation>
    </message>
    <message>
        <source>Previous slide</source>
        <translation>Diapositive précédente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Refractive Index</source>
        <translation>Indice de réfr.</translation>
    </message>
    <message>
        <source>Air</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Verre</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Diamant</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Quick</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Accurate</source>
        <translation>Précis</translation>
    </message>
    <message>
        <source>Circular Shape</source>
        <translation>Forme circulaire</translation>
    </message>
    <message>
        <source>Parabolic Shape</source>
        <translation>Forme parabolique</translation>
    </message>
    <message>
        <source>Turn it with one handle; it always faces the source</source>
        <translation>Se tourne avec une poignée&#xa0;; toujours face à la source</translation>
    </message>
    <message>
        <source>Quick, with the slower medium on the other side</source>
        <translation>Rapide, avec le milieu le plus lent de l&apos;autre côté</translation>
    </message>
    <message>
        <source>Place both ends with their handles</source>
        <translation>Placez les deux extrémités avec leurs poignées</translation>
    </message>
    <message>
        <source>Set the curve with one handle</source>
        <translation>Réglez la courbure avec une poignée</translation>
    </message>
    <message>
        <source>Place the focus and the middle of the mirror</source>
        <translation>Placez le foyer et le milieu du miroir</translation>
    </message>
    <message>
        <source>Clear the water</source>
        <translation>Remettre l&apos;eau au repos</translation>
    </message>
    <message>
        <source>Freeze the water</source>
        <translation>Figer l&apos;eau</translation>
    </message>
    <message>
        <source>Click on water to make drips</source>
        <translation>Cliquez sur l&apos;eau pour faire tomber des gouttes</translation>
    </message>
    <message>
        <source>Adjust water contrast</source>
        <translation>Régler le contraste de l&apos;eau</translation>
    </message>
    <message>
        <source>Open Slideshow</source>
        <translation>Ouvrir un diaporama</translation>
    </message>
    <message>
        <source>Save Slideshow</source>
        <translation>Enregistrer le diaporama</translation>
    </message>
    <message>
        <source>Cut Slide</source>
        <translation>Couper la diapositive</translation>
    </message>
    <message>
        <source>Copy Slide</source>
        <translation>Copier la diapositive</translation>
    </message>
    <message>
        <source>Paste Slide</source>
        <translation>Coller la diapositive</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Wavora Help</source>
        <translation>Aide de Wavora</translation>
    </message>
    <message>
        <source>Display Shape</source>
        <translation>Format d&apos;affichage</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message>
        <source>Long and thin</source>
        <translation>Long et étroit</translation>
    </message>
    <message>
        <source>Tall and Narrow</source>
        <translation>Haut et étroit</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>About Wavora</source>
        <translation>À propos de Wavora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Wavora File (*.wvr)|*.wvr</source>
        <translation>Fichier Wavora (*.wvr)|*.wvr</translation>
    </message>
    <message>
        <source>Save Snap shot to file</source>
        <translation>Enregistrer la capture dans un fichier</translation>
    </message>
    <message>
        <source>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</source>
        <translation>JPEG (*.JPG)|*.jpg|Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>La capture n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The slideshow could not be saved.</source>
        <translation>Le diaporama n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The help pages could not be found. Wavora looks for them in share/wavora/help beside the installed program, and in the help folder of the build it comes from.</source>
        <translation>Les pages d&apos;aide sont introuvables. Wavora les cherche dans share/wavora/help à côté du programme installé, et dans le dossier help de la compilation dont il provient.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>The lesson could not be loaded from &quot;%1&quot;.</source>
        <extracomment>%1 is the address of the lesson.</extracomment>
        <translation>La leçon n&apos;a pas pu être chargée depuis &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Drop a Wavora lesson (.wvr) here to open it</source>
        <translation>Déposez ici une leçon Wavora (.wvr) pour l&apos;ouvrir</translation>
    </message>
    <message>
        <source>This browser does not let the page read the clipboard. Paste the slide&apos;s text into the box (Ctrl+V), then choose Paste Slide.</source>
        <translation>Ce navigateur ne permet pas à la page de lire le presse-papiers. Collez le texte de la diapositive dans la zone (Ctrl+V), puis choisissez «&#xa0;Coller la diapositive&#xa0;».</translation>
    </message>
    <message>
        <source>This browser does not let the page write to the clipboard. Copy the text in the box (Ctrl+C).</source>
        <translation>Ce navigateur ne permet pas à la page d&apos;écrire dans le presse-papiers. Copiez le texte de la zone (Ctrl+C).</translation>
    </message>
    <message>
        <source>This browser does not let the page put a picture on the clipboard; use Save instead.</source>
        <translation>Ce navigateur ne permet pas à la page de placer une image dans le presse-papiers&#xa0;; utilisez plutôt «&#xa0;Sauver&#xa0;».</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <extracomment>%1 is the slideshow&apos;s name.</extracomment>
        <translation>Enregistrer les modifications de &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>Even after trying to ignore errors, this file could not be loaded.</source>
        <translation>Même en ignorant les erreurs, ce fichier n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>The following problem was reported:</source>
        <translation>Le problème suivant a été signalé&#xa0;:</translation>
    </message>
    <message>
        <source>File did not contain a slideshow</source>
        <translation>Le fichier ne contenait pas de diaporama</translation>
    </message>
    <message>
        <source>File is from a newer version but seems to have loaded without a problem</source>
        <translation>Le fichier provient d&apos;une version plus récente mais semble avoir été chargé sans problème</translation>
    </message>
    <message>
        <source>File is from a newer version and some objects seem to have been lost, salvaged slideshow has been loaded.</source>
        <translation>Le fichier provient d&apos;une version plus récente et certains objets semblent avoir été perdus&#xa0;; le diaporama récupéré a été chargé.</translation>
    </message>
    <message>
        <source>Clipboard data has been corrupted and can not be used</source>
        <translation>Les données du presse-papiers sont corrompues et ne peuvent pas être utilisées</translation>
    </message>
    <message>
        <source>No Experiment setup found on the clipboard</source>
        <translation>Aucune expérience trouvée dans le presse-papiers</translation>
    </message>
    <message>
        <source>Clipboard Experiment object is of the wrong type</source>
        <translation>L&apos;expérience du presse-papiers n&apos;est pas du bon type</translation>
    </message>
    <message>
        <source>The slideshow already holds the most slides a file can keep; delete one first.</source>
        <translation>Le diaporama contient déjà le nombre maximal de diapositives qu&apos;un fichier peut contenir&#xa0;; supprimez-en d&apos;abord une.</translation>
    </message>
    <message>
        <source>New </source>
        <translation>Nouveau&#xa0;: </translation>
    </message>
    <message>
        <source>Add a measuring tool to the tank</source>
        <translation>Ajouter un instrument de mesure dans la cuve</translation>
    </message>
    <message>
        <source>Delete the selected object</source>
        <translation>Supprimer l&apos;objet sélectionné</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Make it easier to line up tools</source>
        <translation>Facilite l&apos;alignement des outils</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloc</translation>
    </message>
    <message>
        <source>Rectangular Block</source>
        <translation>Bloc rectangulaire</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Lentilles</translation>
    </message>
    <message>
        <source>See how focal length and refractive index affect how waves focus and diverge.</source>
        <translation>Observez comment la distance focale et l&apos;indice de réfraction influent sur la convergence et la divergence des ondes.</translation>
    </message>
    <message>
        <source>Convex</source>
        <translation>Convexe</translation>
    </message>
    <message>
        <source>Concave</source>
        <translation>Concave</translation>
    </message>
    <message>
        <source>Wave Source</source>
        <translation>Source d&apos;ondes</translation>
    </message>
    <message>
        <source>Can make different widths of wave </source>
        <translation>Produit des ondes de différentes largeurs </translation>
    </message>
    <message>
        <source>Point Source</source>
        <translation>Source ponctuelle</translation>
    </message>
    <message>
        <source>Beam Source</source>
        <translation>Source de faisceau</translation>
    </message>
    <message>
        <source>Line Source</source>
        <translation>Source linéaire</translation>
    </message>
    <message>
        <source>Double Source</source>
        <translation>Source double</translation>
    </message>
    <message>
        <source>Doppler Source</source>
        <translation>Source Doppler</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Impulsion</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Long. d&apos;onde</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Detune</source>
        <translation>Désaccord</translation>
    </message>
    <message>
        <source>Mach </source>
        <translation>Mach </translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Harmon.</translation>
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
        <translation>Choisissez le type de source</translation>
    </message>
    <message>
        <source>Start the moving source again from the left</source>
        <translation>Relancer la source mobile depuis la gauche</translation>
    </message>
    <message>
        <source>Let the moving source sound with harmonics</source>
        <translation>Faire émettre la source mobile avec des harmoniques</translation>
    </message>
    <message>
        <source>Set the frequency instead of the wavelength</source>
        <translation>Régler la fréquence au lieu de la longueur d&apos;onde</translation>
    </message>
    <message>
        <source>Fibre optic</source>
        <translation>Fibre optique</translation>
    </message>
    <message>
        <source>Waveguide eg fibreoptic cable. Try changing the amount of curvature and refractive index.</source>
        <translation>Guide d&apos;ondes, par exemple un câble à fibre optique. Essayez de modifier la courbure et l&apos;indice de réfraction.</translation>
    </message>
    <message>
        <source>Fibre Width</source>
        <translation>Largeur de fibre</translation>
    </message>
    <message>
        <source>Slits</source>
        <translation>Fentes</translation>
    </message>
    <message>
        <source>Grating made up of slits</source>
        <translation>Réseau de fentes</translation>
    </message>
    <message>
        <source>Slit</source>
        <translation>Fente</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>The Earth</source>
        <translation>La Terre</translation>
    </message>
    <message>
        <source>The radio waves in the atmosphere and the earthquake waves inside the earth. There are two models of the atmosphere, the first is linear and radio waves bend by reflection. The second is non-linear and shows how refraction helps transmissions carry. The movement of two different types of earthquake wave are also shown.</source>
        <translation>Les ondes radio dans l&apos;atmosphère et les ondes sismiques à l&apos;intérieur de la Terre. L&apos;atmosphère est représentée par deux modèles&#xa0;: le premier est linéaire et les ondes radio y sont déviées par réflexion. Le second est non linéaire et montre comment la réfraction aide les transmissions à porter loin. La propagation de deux types d&apos;ondes sismiques est également montrée.</translation>
    </message>
    <message>
        <source>Atmosphere</source>
        <translation>Atmosphère</translation>
    </message>
    <message>
        <source>Reflection</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Refraction</source>
        <translation>Réfraction</translation>
    </message>
    <message>
        <source>Mirages</source>
        <translation>Mirages</translation>
    </message>
    <message>
        <source>Earthquakes</source>
        <translation>Séismes</translation>
    </message>
    <message>
        <source>P-Waves</source>
        <translation>Ondes P</translation>
    </message>
    <message>
        <source>S-Waves</source>
        <translation>Ondes S</translation>
    </message>
    <message>
        <source>Tsunami</source>
        <translation>Tsunami</translation>
    </message>
    <message>
        <source>Tsunami are waves in the ocean caused by earthquakes. </source>
        <translation>Les tsunamis sont des vagues océaniques provoquées par des séismes. </translation>
    </message>
    <message>
        <source>Indian Ocean</source>
        <translation>Indien</translation>
    </message>
    <message>
        <source>Atlantic</source>
        <translation>Atlantique</translation>
    </message>
    <message>
        <source>Beach</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Ruler</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>For measuring lengths</source>
        <translation>Pour mesurer des longueurs</translation>
    </message>
    <message>
        <source>Protractor</source>
        <translation>Rapporteur</translation>
    </message>
    <message>
        <source>For measuring angles</source>
        <translation>Pour mesurer des angles</translation>
    </message>
    <message>
        <source>Cross-section</source>
        <translation>Coupe</translation>
    </message>
    <message>
        <source>Displays the wavesform along a given line</source>
        <translation>Affiche la forme de l&apos;onde le long d&apos;une ligne</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Displays the intensity of the waves along a line</source>
        <translation>Affiche l&apos;intensité des ondes le long d&apos;une ligne</translation>
    </message>
    <message>
        <source>Stopwatch</source>
        <translation>Chronomètre</translation>
    </message>
    <message>
        <source>A Simple stopwatch</source>
        <translation>Un chronomètre simple</translation>
    </message>
    <message>
        <source>Spectrometer</source>
        <translation>Spectromètre</translation>
    </message>
    <message>
        <source>Show a representation of the spectrum of wavelengths. </source>
        <translation>Affiche une représentation du spectre des longueurs d&apos;onde. </translation>
    </message>
    <message>
        <source>Signal Level Meter</source>
        <translation>Mesureur de niveau</translation>
    </message>
    <message>
        <source>Shows the peak or average signal level in db units.</source>
        <translation>Affiche le niveau crête ou moyen du signal en db.</translation>
    </message>
    <message>
        <source>Paper tape Logger</source>
        <translation>Enregistreur à bande</translation>
    </message>
    <message>
        <source>Log the changes over time at a point. </source>
        <translation>Enregistre les variations au cours du temps en un point. </translation>
    </message>
    <message>
        <source>Peak Level</source>
        <translation>Niveau crête</translation>
    </message>
    <message>
        <source>Average Level</source>
        <translation>Niveau moyen</translation>
    </message>
    <message>
        <source>Realtime Level</source>
        <translation>Niveau instantané</translation>
    </message>
    <message>
        <source>Peak Level Meter</source>
        <translation>Mesureur de niveau crête</translation>
    </message>
    <message>
        <source>Average Level Meter</source>
        <translation>Mesureur de niveau moyen</translation>
    </message>
    <message>
        <source>Realtime Level Meter</source>
        <translation>Mesureur de niveau instantané</translation>
    </message>
    <message>
        <source>db</source>
        <translation>db</translation>
    </message>
    <message>
        <source>Save Paper Tape</source>
        <translation>Enregistrer la bande</translation>
    </message>
    <message>
        <source>Copy Paper Tape</source>
        <translation>Copier la bande</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Clear the tape</source>
        <translation>Effacer la bande</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Enregistrer une capture</translation>
    </message>
    <message>
        <source>Copy Snapshot</source>
        <translation>Copier une capture</translation>
    </message>
    <message>
        <source>Save Data…</source>
        <translation>Enregistrer les données…</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>Copier les données</translation>
    </message>
    <message>
        <source>No Gain</source>
        <translation>Sans gain</translation>
    </message>
    <message>
        <source>x2 Gain</source>
        <translation>Gain x2</translation>
    </message>
    <message>
        <source>x4 Gain</source>
        <translation>Gain x4</translation>
    </message>
    <message>
        <source>x8 Gain</source>
        <translation>Gain x8</translation>
    </message>
    <message>
        <source>x16 Gain</source>
        <translation>Gain x16</translation>
    </message>
    <message>
        <source>Normalise</source>
        <translation>Normaliser</translation>
    </message>
    <message>
        <source>Image and Graph</source>
        <translation>Image et graphe</translation>
    </message>
    <message>
        <source>Image only</source>
        <translation>Image seule</translation>
    </message>
    <message>
        <source>Graph only</source>
        <translation>Graphe seul</translation>
    </message>
    <message>
        <source>Calculating...</source>
        <translation>Calcul en cours...</translation>
    </message>
    <message>
        <source>Fast but jittery</source>
        <translation>Rapide mais instable</translation>
    </message>
    <message>
        <source>Accurate but slow</source>
        <translation>Précis mais lent</translation>
    </message>
    <message>
        <source>Raw Spectrum</source>
        <translation>Spectre brut</translation>
    </message>
    <message>
        <source>Equal Spaced Frequency</source>
        <translation>Fréquences équidistantes</translation>
    </message>
    <message>
        <source>Equal spaced Wavelength</source>
        <translation>Longueurs d&apos;onde équidistantes</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)|*.csv</source>
        <translation>Valeurs séparées par des virgules (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Save the tool&apos;s readings</source>
        <translation>Enregistrer les mesures de l&apos;instrument</translation>
    </message>
    <message>
        <source>The readings could not be saved.</source>
        <translation>Les mesures n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Record the water as a clip; click again to stop and save it</source>
        <translation>Filmer l&apos;eau en clip&#xa0;; cliquez à nouveau pour arrêter et l&apos;enregistrer</translation>
    </message>
    <message>
        <source>Stop recording and save the clip</source>
        <translation>Arrêter de filmer et enregistrer le clip</translation>
    </message>
    <message>
        <source>Save the clip</source>
        <translation>Enregistrer le clip</translation>
    </message>
    <message>
        <source>Animated GIF (*.gif)|*.gif|WebM video (*.webm)|*.webm</source>
        <translation>GIF animé (*.gif)|*.gif|Vidéo WebM (*.webm)|*.webm</translation>
    </message>
    <message>
        <source>Writing the clip…</source>
        <translation>Écriture du clip…</translation>
    </message>
    <message>
        <source>The water could not be recorded.</source>
        <translation>L&apos;eau n&apos;a pas pu être filmée.</translation>
    </message>
    <message>
        <source>The clip could not be saved.</source>
        <translation>Le clip n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The recording has reached its limit of 10 minutes and has stopped.</source>
        <translation>L&apos;enregistrement a atteint sa limite de 10 minutes et s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>Print Worksheet…</source>
        <translation>Imprimer la fiche de travail…</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Enregistrer la fiche de travail</translation>
    </message>
    <message>
        <source>PDF (*.pdf)|*.pdf</source>
        <translation>PDF (*.pdf)|*.pdf</translation>
    </message>
    <message>
        <source>Making the worksheet…</source>
        <translation>Création de la fiche de travail…</translation>
    </message>
    <message>
        <source>The worksheet could not be saved.</source>
        <translation>La fiche de travail n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>Look at how waves move around barriers.</source>
        <translation>Observez comment les ondes contournent les obstacles.</translation>
    </message>
    <message>
        <source>Plane Mirror</source>
        <translation>Miroir plan</translation>
    </message>
    <message>
        <source>Examine what happens to waves as they reflect off a surface.</source>
        <translation>Examinez ce qui arrive aux ondes lorsqu&apos;elles se réfléchissent sur une surface.</translation>
    </message>
    <message>
        <source>Examine how waves behave at the boundaries between media. <byte value="xd"/>
(There is a quick mode of controlling where the boundary is or an accurate mode.)</source>
        <translation>Examinez le comportement des ondes à la frontière entre deux milieux. <byte value="xd"/>
(La position de la frontière se règle en mode rapide ou en mode précis.)</translation>
    </message>
    <message>
        <source>Curved Mirror</source>
        <translation>Miroir courbe</translation>
    </message>
    <message>
        <source>Look at the effects of different circular and parabolic mirrors. See how well they focus waves.</source>
        <translation>Observez les effets de différents miroirs circulaires et paraboliques. Voyez comment ils focalisent les ondes.</translation>
    </message>
    <message>
        <source>Timer rate</source>
        <translation>Cadence du minuteur</translation>
    </message>
    <message>
        <source>Draw rate</source>
        <translation>Cadence d&apos;affichage</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Charge CPU</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Displacement</source>
        <translation>Élongation</translation>
    </message>
    <message>
        <source> in air</source>
        <extracomment>After a wavelength in the spectrometer&apos;s read-out: &quot;(41.2mm in air)&quot;.</extracomment>
        <translation> dans l&apos;air</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Cuve</translation>
    </message>
    <message>
        <source>%1, handle %2 of %3, at %4 mm, %5 mm</source>
        <extracomment>%1 is the object&apos;s name (with its reading, for a tool), %2 the handle&apos;s number, %3 how many handles the object has, %4 and %5 the handle&apos;s place in millimetres from the left and from the bottom.</extracomment>
        <translation>%1, poignée %2 sur %3, à %4 mm, %5 mm</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 is the tool&apos;s name, %2 its reading as the tool shows it (e.g. &quot;156.0mm&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
    </message>
    <message>
        <source>Objects in the tank</source>
        <translation>Objets dans la cuve</translation>
    </message>
    <message>
        <source>Slide name</source>
        <translation>Nom de la diapositive</translation>
    </message>
    <message>
        <source>Slide description</source>
        <translation>Description de la diapositive</translation>
    </message>
    <message>
        <source>The water and its objects. N and Shift+N pick the next or previous handle, the arrow keys move it (with Shift ten cells), Delete deletes the selected object, Space runs or freezes the water.</source>
        <translation>L&apos;eau et ses objets. N et Maj+N choisissent la poignée suivante ou précédente, les flèches la déplacent (avec Maj de dix cellules), Suppr supprime l&apos;objet sélectionné, Espace fait couler ou fige l&apos;eau.</translation>
    </message>
    <message>
        <source>Theory</source>
        <translation>Théorie</translation>
    </message>
    <message>
        <source>measured</source>
        <extracomment>Put before a measuring tool&apos;s reading beside the prediction it checks: &quot;m=1 14.5° (measured 14.2°)&quot;.</extracomment>
        <translation>mesuré</translation>
    </message>
    <message>
        <source>1st min</source>
        <extracomment>Labels a single slit&apos;s first diffraction minimum, followed by its angle.</extracomment>
        <translation>1er min.</translation>
    </message>
    <message>
        <source>spacing</source>
        <extracomment>Labels the distance between the bright fringes m=0 and m=1 where the lines meet the tank&apos;s edge.</extracomment>
        <translation>écart</translation>
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
        <translation>image</translation>
    </message>
    <message>
        <source>shadow edge</source>
        <extracomment>The line beyond a barrier&apos;s end that bounds the geometric shadow.</extracomment>
        <translation>limite de l&apos;ombre</translation>
    </message>
    <message>
        <source>front</source>
        <extracomment>The circle a wave front from the source has reached by now.</extracomment>
        <translation>front</translation>
    </message>
    <message>
        <source>Timer interval</source>
        <translation>Intervalle du minuteur</translation>
    </message>
    <message>
        <source>Memory Usage</source>
        <translation>Mémoire utilisée</translation>
    </message>
</context>
</TS>
