<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AccessiblePlots</name>
    <message>
        <source>Line spectrum</source>
        <translation>Spectre de raies</translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation>Rien n&apos;est encore tracé.</translation>
    </message>
</context>
<context>
    <name>DemonstrationWindow</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full screen and back</source>
        <translation>Plein écran et retour</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Right-click a plot to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Un clic droit sur un tracé permet de copier ou d&apos;enregistrer son image ou ses données, ou d&apos;écouter ou d&apos;enregistrer le son correspondant.</translation>
    </message>
    <message>
        <source>Esc: close this help</source>
        <translation>Échap&#xa0;: fermer cette aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavinel has ended.</source>
        <translation>Tavinel est terminé.</translation>
    </message>
    <message>
        <source>%1 (ended)</source>
        <translation>%1 (terminé)</translation>
    </message>
    <message>
        <source>Right-click a plot (or touch and hold it, or focus it and press the menu key or Shift+F10) to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Un clic droit sur un tracé (ou un appui long, ou la touche menu ou Maj+F10 quand il a le focus) permet de copier ou d&apos;enregistrer son image ou ses données, ou d&apos;écouter ou d&apos;enregistrer le son correspondant.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>L&apos;image n&apos;a pas pu être copiée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The data could not be copied: %1</source>
        <translation>Les données n&apos;ont pas pu être copiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save picture as SVG…</source>
        <translation>Enregistrer l&apos;image en SVG…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>The sound cannot start: the browser has no audio output it can use. Connect speakers or headphones, or allow this page to play sound, then choose Play sound again.</source>
        <translation>Le son ne peut pas démarrer&#xa0;: le navigateur n&apos;a aucune sortie audio utilisable. Branchez des haut-parleurs ou un casque, ou autorisez cette page à jouer du son, puis choisissez de nouveau «&#xa0;Écouter le son&#xa0;».</translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copier les données</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Enregistrer les données…</translation>
    </message>
    <message>
        <source>Copy the spectrum&apos;s lines</source>
        <translation>Copier les raies du spectre</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Transmitted signal envelope</source>
        <translation>Enveloppe du signal émis</translation>
    </message>
    <message>
        <source>Transmitted signal spectrum</source>
        <translation>Spectre du signal émis</translation>
    </message>
    <message>
        <source>Envelope demodulator output</source>
        <translation>Sortie du détecteur d&apos;enveloppe</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tracé</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>enveloppe</translation>
    </message>
    <message>
        <source>demodulator</source>
        <translation>démodulateur</translation>
    </message>
    <message>
        <source>waveform</source>
        <translation>forme d&apos;onde</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Aucune raie</translation>
    </message>
    <message>
        <source>%1 lines; the strongest</source>
        <translation>%1 raies; les plus fortes</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>porteuse</translation>
    </message>
    <message>
        <source>%1 below, %2 above</source>
        <translation>%1 en dessous, %2 au-dessus</translation>
    </message>
    <message>
        <source>sidebands at ±%1 %2</source>
        <translation>bandes latérales à ±%1 %2</translation>
    </message>
    <message>
        <source>lower sideband at %1 %2</source>
        <translation>bande latérale inférieure à %1 %2</translation>
    </message>
    <message>
        <source>upper sideband at %1 %2</source>
        <translation>bande latérale supérieure à %1 %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 ms, swinging between %4 and %5</source>
        <translation>%1 de %2 à %3 ms, oscillant entre %4 et %5</translation>
    </message>
    <message>
        <source>Modulation index %1 · bandwidth by Carson&apos;s rule %2 kHz</source>
        <translation>Indice de modulation %1 · largeur de bande selon la règle de Carson %2 kHz</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Tavinel has met an unexpected error and must close.</source>
        <translation>Tavinel a rencontré une erreur inattendue et doit se fermer.</translation>
    </message>
</context>
<context>
    <name>SoundActions</name>
    <message>
        <source>Play sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Save sound…</source>
        <translation>Enregistrer le son…</translation>
    </message>
    <message>
        <source>Could not play the sound: %1.</source>
        <translation>Impossible de jouer le son&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Save sound</source>
        <translation>Enregistrer le son</translation>
    </message>
    <message>
        <source>WAV sound (*.wav)</source>
        <translation>Son WAV (*.wav)</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Arrêter le son</translation>
    </message>
    <message>
        <source>Nothing to hear until the window shows its plot.</source>
        <translation>Rien à entendre tant que la fenêtre n&apos;affiche pas son tracé.</translation>
    </message>
    <message>
        <source>No audio output was found: connect speakers or headphones (or start the sound server) to hear the plots.</source>
        <translation>Aucune sortie audio n&apos;a été trouvée&#xa0;: branchez des haut-parleurs ou un casque (ou démarrez le serveur de son) pour entendre les tracés.</translation>
    </message>
    <message>
        <source>The audio output has gone: the sound goes on as soon as it is back.</source>
        <translation>La sortie audio a disparu&#xa0;: le son reprendra dès qu&apos;elle sera de retour.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>there is no audio output</source>
        <translation>il n&apos;y a aucune sortie audio</translation>
    </message>
</context>
<context>
    <name>frmAMplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Amplitude modulation.&lt;/b&gt; A carrier whose amplitude follows an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (left): one millisecond of the signal sent. The carrier swings so fast that it fills the band between the upper and the lower envelope, which follow the audio tone.&lt;br&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (middle): the carrier in the centre and a pair of sidebands at each multiple of the audio frequency, up to 5 kHz either side, as voltages or in decibels.&lt;br&gt;&lt;b&gt;Envelope demodulator output&lt;/b&gt; (right): what a receiver&apos;s envelope detector gives back, with an ideal detector or a diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch to nothing, the clipper round it off, and the diode lift the troughs.&lt;/li&gt;&lt;li&gt;Choose &quot;Log (decibels)&quot; at 120 % to see the distortion products beside the first pair.&lt;/li&gt;&lt;li&gt;Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulation d&apos;amplitude.&lt;/b&gt; Une porteuse dont l&apos;amplitude suit une tonalité audio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Enveloppe du signal émis&lt;/b&gt; (à gauche)&#xa0;: une milliseconde du signal émis. La porteuse oscille si vite qu&apos;elle remplit la bande comprise entre l&apos;enveloppe supérieure et l&apos;enveloppe inférieure, qui suivent la tonalité.&lt;br&gt;&lt;b&gt;Spectre du signal émis&lt;/b&gt; (au milieu)&#xa0;: la porteuse au centre et une paire de bandes latérales à chaque multiple de la fréquence audio, jusqu&apos;à 5 kHz de part et d&apos;autre, en volts ou en décibels.&lt;br&gt;&lt;b&gt;Sortie du détecteur d&apos;enveloppe&lt;/b&gt; (à droite)&#xa0;: ce que restitue le démodulateur d&apos;enveloppe d&apos;un récepteur, avec un détecteur idéal ou une diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;À essayer&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choisissez 140 %, puis mettez l&apos;écrêteur en marche, puis la diode&#xa0;: regardez l&apos;enveloppe s&apos;étrangler jusqu&apos;à zéro, l&apos;écrêteur l&apos;arrondir et la diode relever les creux.&lt;/li&gt;&lt;li&gt;Choisissez «&#xa0;Log (décibels)&#xa0;» à 120 % pour voir les produits de distorsion à côté de la première paire.&lt;/li&gt;&lt;li&gt;Choisissez 3000 Hz&#xa0;: les bandes latérales s&apos;écartent, et les paires au-delà de 5 kHz sortent du tracé.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AM plots</source>
        <translation>Tracés AM</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Fréquence audio</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Y-axis </source>
        <translation>Axe Y </translation>
    </message>
    <message>
        <source>Linear (volts)</source>
        <translation>Linéaire (volts)</translation>
    </message>
    <message>
        <source>Log (decibels)</source>
        <translation>Log (décibels)</translation>
    </message>
    <message>
        <source>Modulation clipper</source>
        <translation>Écrêteur</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Demodulator type</source>
        <translation>Démodulateur</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Idéal</translation>
    </message>
    <message>
        <source>Diode</source>
        <translation>Diode</translation>
    </message>
</context>
<context>
    <name>frmFMplot</name>
    <message>
        <source>The modulating frequency box holds no number: &quot;%1&quot;.</source>
        <translation>La case de la fréquence modulante ne contient pas de nombre&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The peak deviation box holds no number: &quot;%1&quot;.</source>
        <translation>La case de l&apos;excursion de crête ne contient pas de nombre&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The plot width box holds no number: &quot;%1&quot;.</source>
        <translation>La case de la largeur du tracé ne contient pas de nombre&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The plot bottom box holds no number: &quot;%1&quot;.</source>
        <translation>La case du bas du tracé ne contient pas de nombre&#xa0;: «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The modulating frequency must not be zero.</source>
        <translation>La fréquence modulante ne doit pas être nulle.</translation>
    </message>
    <message>
        <source>The plot width must not be zero.</source>
        <translation>La largeur du tracé ne doit pas être nulle.</translation>
    </message>
    <message>
        <source>The plot bottom must not be zero.</source>
        <translation>Le bas du tracé ne doit pas être nul.</translation>
    </message>
    <message>
        <source>This utility only handles modulation indices up to 15.
Please reduce the deviation or increase the modulating rate.

For a modulating rate of %1 the maximum
allowed deviation is %2.

For a deviation of %3 the minimum modulating rate is
%4.</source>
        <translation>Cet utilitaire ne traite que les indices de modulation jusqu&apos;à 15.
Veuillez réduire l&apos;excursion ou augmenter la fréquence modulante.

Pour une fréquence modulante de %1, l&apos;excursion maximale
autorisée est de %2.

Pour une excursion de %3, la fréquence modulante minimale est de
%4.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Frequency modulation.&lt;/b&gt; A carrier whose frequency swings with an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The plot&lt;/b&gt; shows the line spectrum: the carrier at Fc and a pair of lines at each multiple of the modulating frequency, their levels in decibels from Bessel functions of the modulation index, the peak deviation divided by the modulating frequency. Type the four values (&quot;3k&quot; is 3000) and press Update or Enter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier all but vanishes.&lt;/li&gt;&lt;li&gt;Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.&lt;/li&gt;&lt;li&gt;Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulation de fréquence.&lt;/b&gt; Une porteuse dont la fréquence varie au rythme d&apos;une tonalité audio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Le tracé&lt;/b&gt; montre le spectre de raies&#xa0;: la porteuse à Fc et une paire de raies à chaque multiple de la fréquence modulante, leurs niveaux en décibels étant donnés par les fonctions de Bessel de l&apos;indice de modulation, c&apos;est-à-dire de l&apos;excursion de crête divisée par la fréquence modulante. Saisissez les quatre valeurs («&#xa0;3k&#xa0;» vaut 3000) et appuyez sur Tracer ou sur Entrée. La virgule sert de séparateur décimal&#xa0;: «&#xa0;2,5k&#xa0;» vaut 2500 (2,5 kHz).&lt;/p&gt;&lt;p&gt;&lt;b&gt;À essayer&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Excursion de crête 7,215k avec 3k&#xa0;: indice 2,405, le premier zéro de J0&#xa0;: la porteuse disparaît presque entièrement.&lt;/li&gt;&lt;li&gt;Excursion de crête 15k&#xa0;: indice 5, beaucoup de raies, certaines paires plus faibles que leurs voisines.&lt;/li&gt;&lt;li&gt;Bas du tracé -100 pour voir les faibles raies extérieures&#xa0;; largeur du tracé 50k pour voir plus loin.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Modulating frequency (Hz): </source>
        <translation>Fréquence modulante (Hz)&#xa0;: </translation>
    </message>
    <message>
        <source>Peak deviation (Hz): </source>
        <translation>Excursion de crête (Hz)&#xa0;: </translation>
    </message>
    <message>
        <source>Plot width (Hz): </source>
        <translation>Largeur du tracé (Hz)&#xa0;: </translation>
    </message>
    <message>
        <source>Plot bottom: </source>
        <translation>Bas du tracé&#xa0;: </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Tracer</translation>
    </message>
</context>
<context>
    <name>frmOpening</name>
    <message>
        <source>Amplitude modulation</source>
        <translation>Modulation d&apos;amplitude</translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation>Modulation de fréquence</translation>
    </message>
    <message>
        <source>Single sideband</source>
        <translation>Bande latérale unique</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tavinel authors</source>
        <translation>Copyright © 2026 Les auteurs de Tavinel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; shows how a transmitter puts a sound on a radio carrier.&lt;/p&gt;&lt;p&gt;Choose a demonstration:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Amplitude modulation&lt;/b&gt;: the signal, its spectrum and what a receiver&apos;s detector gives back, for the tone, depth and detector you choose.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency modulation&lt;/b&gt;: the line spectrum for the modulating frequency and deviation you type.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Single sideband&lt;/b&gt;: the spectrum and the signal with the carrier and the unwanted sideband as strong as you choose.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; montre comment un émetteur place un son sur une porteuse radio.&lt;/p&gt;&lt;p&gt;Choisissez une démonstration&#xa0;:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Modulation d&apos;amplitude&lt;/b&gt;&#xa0;: le signal, son spectre et ce que restitue le détecteur d&apos;un récepteur, pour la tonalité, le taux et le détecteur que vous choisissez.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Modulation de fréquence&lt;/b&gt;&#xa0;: le spectre de raies pour la fréquence modulante et l&apos;excursion que vous saisissez.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Bande latérale unique&lt;/b&gt;&#xa0;: le spectre et le signal, avec la porteuse et la bande latérale indésirable aussi fortes que vous le choisissez.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Quitter&lt;/b&gt; met fin au programme.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmSSBplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Single sideband.&lt;/b&gt; Both sidebands of an AM signal carry the same tone; one of them, without the carrier, is enough.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (left): the carrier and the sidebands in decibels, 5 kHz either side of the carrier.&lt;br&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (right): two milliseconds of the signal sent; its outline is the envelope a simple receiver would follow.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Start with the opening choices (double sideband, carrier off): the outline dips to nothing twice per audio cycle, so an envelope detector hears twice the tone.&lt;/li&gt;&lt;li&gt;Choose &quot;0 dB (full)&quot; for the carrier: the outline now follows the tone, as in AM.&lt;/li&gt;&lt;li&gt;Choose &quot;Ideal upper sideband&quot; with the carrier off: one line, and a band of constant height: nothing for an envelope detector to find.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Bande latérale unique.&lt;/b&gt; Les deux bandes latérales d&apos;un signal AM portent la même tonalité&#xa0;; une seule d&apos;entre elles, sans la porteuse, suffit.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Spectre du signal émis&lt;/b&gt; (à gauche)&#xa0;: la porteuse et les bandes latérales en décibels, sur 5 kHz de part et d&apos;autre de la porteuse.&lt;br&gt;&lt;b&gt;Enveloppe du signal émis&lt;/b&gt; (à droite)&#xa0;: deux millisecondes du signal émis&#xa0;; son contour est l&apos;enveloppe que suivrait un récepteur simple.&lt;/p&gt;&lt;p&gt;&lt;b&gt;À essayer&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Partez des choix initiaux (double bande latérale, porteuse nulle)&#xa0;: le contour retombe à zéro deux fois par période audio, si bien qu&apos;un détecteur d&apos;enveloppe entend une tonalité de fréquence double.&lt;/li&gt;&lt;li&gt;Choisissez «&#xa0;0 dB max&#xa0;» pour la porteuse&#xa0;: le contour suit maintenant la tonalité, comme en AM.&lt;/li&gt;&lt;li&gt;Choisissez «&#xa0;Bande supérieure idéale&#xa0;» avec la porteuse nulle&#xa0;: une seule raie, et une bande de hauteur constante&#xa0;: rien à trouver pour un détecteur d&apos;enveloppe.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SSB plots</source>
        <translation>Tracés BLU</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Fréquence audio</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Double sideband</source>
        <translation>Double bande latérale</translation>
    </message>
    <message>
        <source>Ideal lower sideband</source>
        <translation>Bande inférieure idéale</translation>
    </message>
    <message>
        <source>Ideal upper sideband</source>
        <translation>Bande supérieure idéale</translation>
    </message>
    <message>
        <source>0 dB (full)</source>
        <translation>0 dB max</translation>
    </message>
    <message>
        <source>-120 (off)</source>
        <translation>-120 nulle</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <source>0 dB (full DSB)</source>
        <translation>0 dB (DBL)</translation>
    </message>
    <message>
        <source>-120 (full SSB)</source>
        <translation>-120 (BLU)</translation>
    </message>
    <message>
        <source>Unwanted sideband</source>
        <translation>Bande indésirable</translation>
    </message>
</context>
</TS>
