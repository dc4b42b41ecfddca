<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessiblePlots</name>
    <message>
        <source>Line spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemonstrationWindow</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full screen and back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click a plot to copy or save its picture or its data, or to play or save its sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc: close this help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavinel has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the page to start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (ended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click a plot (or touch and hold it, or focus it and press the menu key or Shift+F10) to copy or save its picture or its data, or to play or save its sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture as SVG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the spectrum&apos;s lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Transmitted signal envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitted signal spectrum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envelope demodulator output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>envelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>demodulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines; the strongest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 below, %2 above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sidebands at ±%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower sideband at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper sideband at %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 to %3 ms, swinging between %4 and %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation index %1 · bandwidth by Carson&apos;s rule %2 kHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Tavinel has met an unexpected error and must close.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundActions</name>
    <message>
        <source>Play sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not play the sound: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV sound (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to hear until the window shows its plot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio output was found: connect speakers or headphones (or start the sound server) to hear the plots.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>there is no audio output</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAMplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Amplitude modulation.&lt;/b&gt; A carrier whose amplitude follows an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (left): one millisecond of the signal sent. The carrier swings so fast that it fills the band between the upper and the lower envelope, which follow the audio tone.&lt;br&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (middle): the carrier in the centre and a pair of sidebands at each multiple of the audio frequency, up to 5 kHz either side, as voltages or in decibels.&lt;br&gt;&lt;b&gt;Envelope demodulator output&lt;/b&gt; (right): what a receiver&apos;s envelope detector gives back, with an ideal detector or a diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch to nothing, the clipper round it off, and the diode lift the troughs.&lt;/li&gt;&lt;li&gt;Choose &quot;Log (decibels)&quot; at 120 % to see the distortion products beside the first pair.&lt;/li&gt;&lt;li&gt;Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM plots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y-axis </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear (volts)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log (decibels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation clipper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demodulator type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmFMplot</name>
    <message>
        <source>The modulating frequency box holds no number: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The peak deviation box holds no number: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot width box holds no number: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot bottom box holds no number: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modulating frequency must not be zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot width must not be zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plot bottom must not be zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This utility only handles modulation indices up to 15.
Please reduce the deviation or increase the modulating rate.

For a modulating rate of %1 the maximum
allowed deviation is %2.

For a deviation of %3 the minimum modulating rate is
%4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Frequency modulation.&lt;/b&gt; A carrier whose frequency swings with an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The plot&lt;/b&gt; shows the line spectrum: the carrier at Fc and a pair of lines at each multiple of the modulating frequency, their levels in decibels from Bessel functions of the modulation index, the peak deviation divided by the modulating frequency. Type the four values (&quot;3k&quot; is 3000) and press Update or Enter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier all but vanishes.&lt;/li&gt;&lt;li&gt;Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.&lt;/li&gt;&lt;li&gt;Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulating frequency (Hz): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak deviation (Hz): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot width (Hz): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plot bottom: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOpening</name>
    <message>
        <source>Amplitude modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single sideband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tavinel authors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSSBplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Single sideband.&lt;/b&gt; Both sidebands of an AM signal carry the same tone; one of them, without the carrier, is enough.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (left): the carrier and the sidebands in decibels, 5 kHz either side of the carrier.&lt;br&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (right): two milliseconds of the signal sent; its outline is the envelope a simple receiver would follow.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Start with the opening choices (double sideband, carrier off): the outline dips to nothing twice per audio cycle, so an envelope detector hears twice the tone.&lt;/li&gt;&lt;li&gt;Choose &quot;0 dB (full)&quot; for the carrier: the outline now follows the tone, as in AM.&lt;/li&gt;&lt;li&gt;Choose &quot;Ideal upper sideband&quot; with the carrier off: one line, and a band of constant height: nothing for an envelope detector to find.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSB plots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double sideband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal lower sideband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideal upper sideband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 dB (full)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-120 (off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 dB (full DSB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-120 (full SSB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unwanted sideband</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
