<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AccessiblePlots</name>
    <message>
        <source>Line spectrum</source>
        <translation>Linienspektrum</translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation>Noch nichts gezeichnet.</translation>
    </message>
</context>
<context>
    <name>DemonstrationWindow</name>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full screen and back</source>
        <translation>Vollbild und zurück</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 help</source>
        <translation>%1-Hilfe</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Right-click a plot to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Mit einem Rechtsklick auf ein Diagramm kopieren oder speichern Sie sein Bild oder seine Daten, oder Sie spielen seinen Ton ab oder speichern ihn.</translation>
    </message>
    <message>
        <source>Esc: close this help</source>
        <translation>Esc: diese Hilfe schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavinel has ended.</source>
        <translation>Tavinel ist beendet.</translation>
    </message>
    <message>
        <source>%1 (ended)</source>
        <translation>%1 (beendet)</translation>
    </message>
    <message>
        <source>Right-click a plot (or touch and hold it, or focus it and press the menu key or Shift+F10) to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Mit einem Rechtsklick auf ein Diagramm (oder langem Antippen, oder mit der Menütaste oder Umschalt+F10, wenn es den Fokus hat) kopieren oder speichern Sie sein Bild oder seine Daten, oder Sie spielen seinen Ton ab oder speichern ihn.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Das Bild konnte nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>The data could not be copied: %1</source>
        <translation>Die Daten konnten nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Save picture as SVG…</source>
        <translation>Bild als SVG speichern…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu starten</translation>
    </message>
    <message>
        <source>The sound cannot start: the browser has no audio output it can use. Connect speakers or headphones, or allow this page to play sound, then choose Play sound again.</source>
        <translation>Der Ton kann nicht starten: Der Browser hat keine Audioausgabe, die er nutzen kann. Schließen Sie Lautsprecher oder Kopfhörer an oder erlauben Sie dieser Seite, Ton abzuspielen, und wählen Sie dann noch einmal „Ton abspielen“.</translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Daten kopieren</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Daten speichern…</translation>
    </message>
    <message>
        <source>Copy the spectrum&apos;s lines</source>
        <translation>Spektrallinien kopieren</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Transmitted signal envelope</source>
        <translation>Hüllkurve des Sendesignals</translation>
    </message>
    <message>
        <source>Transmitted signal spectrum</source>
        <translation>Spektrum des Sendesignals</translation>
    </message>
    <message>
        <source>Envelope demodulator output</source>
        <translation>Hüllkurvendemodulator-Ausgang</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>gezeichnet</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exakt</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>Hüllkurve</translation>
    </message>
    <message>
        <source>demodulator</source>
        <translation>Demodulator</translation>
    </message>
    <message>
        <source>waveform</source>
        <translation>Signalverlauf</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Keine Linien</translation>
    </message>
    <message>
        <source>%1 lines; the strongest</source>
        <translation>%1 Linien; die stärksten</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>%1 below, %2 above</source>
        <translation>%1 unten, %2 oben</translation>
    </message>
    <message>
        <source>sidebands at ±%1 %2</source>
        <translation>Seitenbänder bei ±%1 %2</translation>
    </message>
    <message>
        <source>lower sideband at %1 %2</source>
        <translation>unteres Seitenband bei %1 %2</translation>
    </message>
    <message>
        <source>upper sideband at %1 %2</source>
        <translation>oberes Seitenband bei %1 %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 ms, swinging between %4 and %5</source>
        <translation>%1 von %2 bis %3 ms, schwankt zwischen %4 und %5</translation>
    </message>
    <message>
        <source>Modulation index %1 · bandwidth by Carson&apos;s rule %2 kHz</source>
        <translation>Modulationsindex %1 · Bandbreite nach der Carson-Regel %2 kHz</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Tavinel has met an unexpected error and must close.</source>
        <translation>Tavinel ist auf einen unerwarteten Fehler gestoßen und muss beendet werden.</translation>
    </message>
</context>
<context>
    <name>SoundActions</name>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Save sound…</source>
        <translation>Ton speichern…</translation>
    </message>
    <message>
        <source>Could not play the sound: %1.</source>
        <translation>Der Ton konnte nicht abgespielt werden: %1.</translation>
    </message>
    <message>
        <source>Save sound</source>
        <translation>Ton speichern</translation>
    </message>
    <message>
        <source>WAV sound (*.wav)</source>
        <translation>WAV-Ton (*.wav)</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Ton anhalten</translation>
    </message>
    <message>
        <source>Nothing to hear until the window shows its plot.</source>
        <translation>Zu hören gibt es erst etwas, wenn das Fenster sein Diagramm zeigt.</translation>
    </message>
    <message>
        <source>No audio output was found: connect speakers or headphones (or start the sound server) to hear the plots.</source>
        <translation>Keine Audioausgabe gefunden: Schließen Sie Lautsprecher oder Kopfhörer an (oder starten Sie den Soundserver), um die Diagramme zu hören.</translation>
    </message>
    <message>
        <source>The audio output has gone: the sound goes on as soon as it is back.</source>
        <translation>Die Audioausgabe ist weg: Der Ton geht weiter, sobald sie wieder da ist.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>there is no audio output</source>
        <translation>es gibt keine Audioausgabe</translation>
    </message>
</context>
<context>
    <name>frmAMplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Amplitude modulation.&lt;/b&gt; A carrier whose amplitude follows an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (left): one millisecond of the signal sent. The carrier swings so fast that it fills the band between the upper and the lower envelope, which follow the audio tone.&lt;br&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (middle): the carrier in the centre and a pair of sidebands at each multiple of the audio frequency, up to 5 kHz either side, as voltages or in decibels.&lt;br&gt;&lt;b&gt;Envelope demodulator output&lt;/b&gt; (right): what a receiver&apos;s envelope detector gives back, with an ideal detector or a diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch to nothing, the clipper round it off, and the diode lift the troughs.&lt;/li&gt;&lt;li&gt;Choose &quot;Log (decibels)&quot; at 120 % to see the distortion products beside the first pair.&lt;/li&gt;&lt;li&gt;Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Amplitudenmodulation.&lt;/b&gt; Ein Träger, dessen Amplitude einem Ton folgt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Hüllkurve des Sendesignals&lt;/b&gt; (links): eine Millisekunde des gesendeten Signals. Der Träger schwingt so schnell, dass er das Band zwischen der oberen und der unteren Hüllkurve ausfüllt; beide Hüllkurven folgen dem Ton.&lt;br&gt;&lt;b&gt;Spektrum des Sendesignals&lt;/b&gt; (Mitte): der Träger in der Mitte und ein Paar Seitenbänder bei jedem Vielfachen der Tonfrequenz, bis 5 kHz beiderseits, als Spannungen oder in Dezibel.&lt;br&gt;&lt;b&gt;Hüllkurvendemodulator-Ausgang&lt;/b&gt; (rechts): was der Hüllkurvendemodulator eines Empfängers zurückgibt, mit einem idealen Demodulator oder mit einer Diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Zum Ausprobieren&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Wählen Sie 140 %, schalten Sie dann den Begrenzer ein, dann die Diode: Die Hüllkurve schnürt sich bis auf null ein, der Begrenzer rundet sie ab, und die Diode hebt die Täler an.&lt;/li&gt;&lt;li&gt;Wählen Sie „Log. (Dezibel)“ bei 120 %, um die Verzerrungsprodukte neben dem ersten Paar zu sehen.&lt;/li&gt;&lt;li&gt;Wählen Sie 3000 Hz: Die Seitenbänder rücken nach außen, und Paare jenseits von 5 kHz verlassen das Diagramm.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AM plots</source>
        <translation>AM-Diagramme</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Y-axis </source>
        <translation>Y-Achse </translation>
    </message>
    <message>
        <source>Linear (volts)</source>
        <translation>Linear (Volt)</translation>
    </message>
    <message>
        <source>Log (decibels)</source>
        <translation>Log. (Dezibel)</translation>
    </message>
    <message>
        <source>Modulation clipper</source>
        <translation>Modulationsbegrenzer</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Demodulator type</source>
        <translation>Demodulatortyp</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Ideal</translation>
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
        <translation>Im Feld Modulationsfrequenz steht keine Zahl: „%1“.</translation>
    </message>
    <message>
        <source>The peak deviation box holds no number: &quot;%1&quot;.</source>
        <translation>Im Feld Frequenzhub steht keine Zahl: „%1“.</translation>
    </message>
    <message>
        <source>The plot width box holds no number: &quot;%1&quot;.</source>
        <translation>Im Feld Diagrammbreite steht keine Zahl: „%1“.</translation>
    </message>
    <message>
        <source>The plot bottom box holds no number: &quot;%1&quot;.</source>
        <translation>Im Feld Untergrenze steht keine Zahl: „%1“.</translation>
    </message>
    <message>
        <source>The modulating frequency must not be zero.</source>
        <translation>Die Modulationsfrequenz darf nicht null sein.</translation>
    </message>
    <message>
        <source>The plot width must not be zero.</source>
        <translation>Die Diagrammbreite darf nicht null sein.</translation>
    </message>
    <message>
        <source>The plot bottom must not be zero.</source>
        <translation>Die Untergrenze darf nicht null sein.</translation>
    </message>
    <message>
        <source>This utility only handles modulation indices up to 15.
Please reduce the deviation or increase the modulating rate.

For a modulating rate of %1 the maximum
allowed deviation is %2.

For a deviation of %3 the minimum modulating rate is
%4.</source>
        <translation>Dieses Programm verarbeitet nur Modulationsindizes bis 15.
Bitte verringern Sie den Hub oder erhöhen Sie die Modulationsfrequenz.

Bei einer Modulationsfrequenz von %1 beträgt der größte
zulässige Hub %2.

Bei einem Hub von %3 beträgt die kleinste Modulationsfrequenz
%4.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Frequency modulation.&lt;/b&gt; A carrier whose frequency swings with an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The plot&lt;/b&gt; shows the line spectrum: the carrier at Fc and a pair of lines at each multiple of the modulating frequency, their levels in decibels from Bessel functions of the modulation index, the peak deviation divided by the modulating frequency. Type the four values (&quot;3k&quot; is 3000) and press Update or Enter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier all but vanishes.&lt;/li&gt;&lt;li&gt;Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.&lt;/li&gt;&lt;li&gt;Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Frequenzmodulation.&lt;/b&gt; Ein Träger, dessen Frequenz im Takt eines Tons schwankt.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Das Diagramm&lt;/b&gt; zeigt das Linienspektrum: den Träger bei Fc und ein Linienpaar bei jedem Vielfachen der Modulationsfrequenz, ihre Pegel in Dezibel aus den Besselfunktionen des Modulationsindex, also des Frequenzhubs geteilt durch die Modulationsfrequenz. Geben Sie die vier Werte ein („3k“ ist 3000) und drücken Sie Zeichnen oder Enter. Ein Komma gilt als Dezimalzeichen: „2,5k“ ist 2500 (2,5 kHz).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Zum Ausprobieren&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Frequenzhub 7,215k bei 3k: Index 2,405, die erste Nullstelle von J0: Der Träger verschwindet fast ganz.&lt;/li&gt;&lt;li&gt;Frequenzhub 15k: Index 5, viele Linien, manche Paare schwächer als ihre Nachbarn.&lt;/li&gt;&lt;li&gt;Untergrenze -100, um die schwachen äußeren Linien zu sehen; Diagrammbreite 50k, um weiter nach außen zu sehen.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Modulating frequency (Hz): </source>
        <translation>Modulationsfrequenz (Hz): </translation>
    </message>
    <message>
        <source>Peak deviation (Hz): </source>
        <translation>Frequenzhub (Hz): </translation>
    </message>
    <message>
        <source>Plot width (Hz): </source>
        <translation>Diagrammbreite (Hz): </translation>
    </message>
    <message>
        <source>Plot bottom: </source>
        <translation>Untergrenze: </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Zeichnen</translation>
    </message>
</context>
<context>
    <name>frmOpening</name>
    <message>
        <source>Amplitude modulation</source>
        <translation>Amplitudenmodulation</translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation>Frequenzmodulation</translation>
    </message>
    <message>
        <source>Single sideband</source>
        <translation>Einseitenband</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tavinel authors</source>
        <translation>Copyright © 2026 Die Tavinel-Autoren</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; shows how a transmitter puts a sound on a radio carrier.&lt;/p&gt;&lt;p&gt;Choose a demonstration:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Amplitude modulation&lt;/b&gt;: the signal, its spectrum and what a receiver&apos;s detector gives back, for the tone, depth and detector you choose.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency modulation&lt;/b&gt;: the line spectrum for the modulating frequency and deviation you type.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Single sideband&lt;/b&gt;: the spectrum and the signal with the carrier and the unwanted sideband as strong as you choose.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; zeigt, wie ein Sender einen Ton auf einen Funkträger bringt.&lt;/p&gt;&lt;p&gt;Wählen Sie eine Vorführung:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Amplitudenmodulation&lt;/b&gt;: das Signal, sein Spektrum und was der Demodulator eines Empfängers zurückgibt, für den Ton, den Modulationsgrad und den Demodulator Ihrer Wahl.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequenzmodulation&lt;/b&gt;: das Linienspektrum für die Modulationsfrequenz und den Frequenzhub, die Sie eingeben.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Einseitenband&lt;/b&gt;: das Spektrum und das Signal, mit dem Träger und dem unerwünschten Seitenband so stark, wie Sie wählen.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ende&lt;/b&gt; beendet das Programm.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmSSBplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Single sideband.&lt;/b&gt; Both sidebands of an AM signal carry the same tone; one of them, without the carrier, is enough.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (left): the carrier and the sidebands in decibels, 5 kHz either side of the carrier.&lt;br&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (right): two milliseconds of the signal sent; its outline is the envelope a simple receiver would follow.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Start with the opening choices (double sideband, carrier off): the outline dips to nothing twice per audio cycle, so an envelope detector hears twice the tone.&lt;/li&gt;&lt;li&gt;Choose &quot;0 dB (full)&quot; for the carrier: the outline now follows the tone, as in AM.&lt;/li&gt;&lt;li&gt;Choose &quot;Ideal upper sideband&quot; with the carrier off: one line, and a band of constant height: nothing for an envelope detector to find.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Einseitenbandmodulation.&lt;/b&gt; Beide Seitenbänder eines AM-Signals tragen denselben Ton; eines davon genügt, ohne den Träger.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Spektrum des Sendesignals&lt;/b&gt; (links): der Träger und die Seitenbänder in Dezibel, 5 kHz beiderseits des Trägers.&lt;br&gt;&lt;b&gt;Hüllkurve des Sendesignals&lt;/b&gt; (rechts): zwei Millisekunden des gesendeten Signals; sein Umriss ist die Hüllkurve, der ein einfacher Empfänger folgen würde.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Zum Ausprobieren&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Beginnen Sie mit der Anfangseinstellung (Zweiseitenband, Träger aus): Der Umriss geht je Tonperiode zweimal auf null, ein Hüllkurvendemodulator hört also die doppelte Tonfrequenz.&lt;/li&gt;&lt;li&gt;Wählen Sie „0 dB (ein)“ für den Träger: Der Umriss folgt nun dem Ton, wie bei AM.&lt;/li&gt;&lt;li&gt;Wählen Sie „Nur oberes Seitenband“ bei ausgeschaltetem Träger: eine Linie und ein Band gleichbleibender Höhe: nichts, was ein Hüllkurvendemodulator finden könnte.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SSB plots</source>
        <translation>ESB-Diagramme</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Double sideband</source>
        <translation>Zweiseitenband</translation>
    </message>
    <message>
        <source>Ideal lower sideband</source>
        <translation>Nur unteres Seitenband</translation>
    </message>
    <message>
        <source>Ideal upper sideband</source>
        <translation>Nur oberes Seitenband</translation>
    </message>
    <message>
        <source>0 dB (full)</source>
        <translation>0 dB (ein)</translation>
    </message>
    <message>
        <source>-120 (off)</source>
        <translation>-120 (aus)</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>0 dB (full DSB)</source>
        <translation>0 dB (ZSB)</translation>
    </message>
    <message>
        <source>-120 (full SSB)</source>
        <translation>-120 (ESB)</translation>
    </message>
    <message>
        <source>Unwanted sideband</source>
        <translation>Unerwünschtes Seitenband</translation>
    </message>
</context>
</TS>
