<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AccessiblePlots</name>
    <message>
        <source>Line spectrum</source>
        <translation>Espectro de líneas</translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation>Aún no hay nada dibujado.</translation>
    </message>
</context>
<context>
    <name>DemonstrationWindow</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full screen and back</source>
        <translation>Pantalla completa y volver</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Right-click a plot to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Haga clic derecho en un gráfico para copiar o guardar su imagen o sus datos, o para reproducir o guardar su sonido.</translation>
    </message>
    <message>
        <source>Esc: close this help</source>
        <translation>Esc: cerrar esta ayuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavinel has ended.</source>
        <translation>Tavinel ha terminado.</translation>
    </message>
    <message>
        <source>%1 (ended)</source>
        <translation>%1 (terminado)</translation>
    </message>
    <message>
        <source>Right-click a plot (or touch and hold it, or focus it and press the menu key or Shift+F10) to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Haga clic derecho en un gráfico (o manténgalo pulsado, o enfóquelo y pulse la tecla de menú o Mayús+F10) para copiar o guardar su imagen o sus datos, o para reproducir o guardar su sonido.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>No se pudo copiar la imagen: %1</translation>
    </message>
    <message>
        <source>The data could not be copied: %1</source>
        <translation>No se pudieron copiar los datos: %1</translation>
    </message>
    <message>
        <source>Save picture as SVG…</source>
        <translation>Guardar imagen como SVG…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>The sound cannot start: the browser has no audio output it can use. Connect speakers or headphones, or allow this page to play sound, then choose Play sound again.</source>
        <translation>El sonido no puede empezar: el navegador no tiene ninguna salida de audio que pueda usar. Conecte altavoces o auriculares, o permita que esta página reproduzca sonido, y elija de nuevo “Reproducir sonido”.</translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar datos</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Guardar datos…</translation>
    </message>
    <message>
        <source>Copy the spectrum&apos;s lines</source>
        <translation>Copiar las líneas del espectro</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>No se pudo guardar “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Transmitted signal envelope</source>
        <translation>Envolvente de la señal emitida</translation>
    </message>
    <message>
        <source>Transmitted signal spectrum</source>
        <translation>Espectro de la señal emitida</translation>
    </message>
    <message>
        <source>Envelope demodulator output</source>
        <translation>Salida del detector de envolvente</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>dibujado</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exacto</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>envolvente</translation>
    </message>
    <message>
        <source>demodulator</source>
        <translation>demodulador</translation>
    </message>
    <message>
        <source>waveform</source>
        <translation>forma de onda</translation>
    </message>
    <message>
        <source>No lines</source>
        <translation>Sin líneas</translation>
    </message>
    <message>
        <source>%1 lines; the strongest</source>
        <translation>%1 líneas; las más intensas</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>portadora</translation>
    </message>
    <message>
        <source>%1 below, %2 above</source>
        <translation>%1 la inferior, %2 la superior</translation>
    </message>
    <message>
        <source>sidebands at ±%1 %2</source>
        <translation>bandas laterales a ±%1 %2</translation>
    </message>
    <message>
        <source>lower sideband at %1 %2</source>
        <translation>banda lateral inferior a %1 %2</translation>
    </message>
    <message>
        <source>upper sideband at %1 %2</source>
        <translation>banda lateral superior a %1 %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 ms, swinging between %4 and %5</source>
        <translation>%1 de %2 a %3 ms, oscilando entre %4 y %5</translation>
    </message>
    <message>
        <source>Modulation index %1 · bandwidth by Carson&apos;s rule %2 kHz</source>
        <translation>Índice de modulación %1 · ancho de banda según la regla de Carson %2 kHz</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Tavinel has met an unexpected error and must close.</source>
        <translation>Tavinel ha encontrado un error inesperado y debe cerrarse.</translation>
    </message>
</context>
<context>
    <name>SoundActions</name>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>Save sound…</source>
        <translation>Guardar sonido…</translation>
    </message>
    <message>
        <source>Could not play the sound: %1.</source>
        <translation>No se pudo reproducir el sonido: %1.</translation>
    </message>
    <message>
        <source>Save sound</source>
        <translation>Guardar sonido</translation>
    </message>
    <message>
        <source>WAV sound (*.wav)</source>
        <translation>Sonido WAV (*.wav)</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Detener sonido</translation>
    </message>
    <message>
        <source>Nothing to hear until the window shows its plot.</source>
        <translation>No hay nada que oír hasta que la ventana muestre su gráfico.</translation>
    </message>
    <message>
        <source>No audio output was found: connect speakers or headphones (or start the sound server) to hear the plots.</source>
        <translation>No se encontró ninguna salida de audio: conecte altavoces o auriculares (o inicie el servidor de sonido) para oír los gráficos.</translation>
    </message>
    <message>
        <source>The audio output has gone: the sound goes on as soon as it is back.</source>
        <translation>La salida de audio ha desaparecido: el sonido seguirá en cuanto vuelva.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>there is no audio output</source>
        <translation>no hay ninguna salida de audio</translation>
    </message>
</context>
<context>
    <name>frmAMplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Amplitude modulation.&lt;/b&gt; A carrier whose amplitude follows an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (left): one millisecond of the signal sent. The carrier swings so fast that it fills the band between the upper and the lower envelope, which follow the audio tone.&lt;br&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (middle): the carrier in the centre and a pair of sidebands at each multiple of the audio frequency, up to 5 kHz either side, as voltages or in decibels.&lt;br&gt;&lt;b&gt;Envelope demodulator output&lt;/b&gt; (right): what a receiver&apos;s envelope detector gives back, with an ideal detector or a diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch to nothing, the clipper round it off, and the diode lift the troughs.&lt;/li&gt;&lt;li&gt;Choose &quot;Log (decibels)&quot; at 120 % to see the distortion products beside the first pair.&lt;/li&gt;&lt;li&gt;Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulación de amplitud.&lt;/b&gt; Una portadora cuya amplitud sigue a un tono de audio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Envolvente de la señal emitida&lt;/b&gt; (izquierda): un milisegundo de la señal enviada. La portadora oscila tan deprisa que llena la banda entre la envolvente superior y la inferior, que siguen al tono de audio.&lt;br&gt;&lt;b&gt;Espectro de la señal emitida&lt;/b&gt; (centro): la portadora en el centro y un par de bandas laterales en cada múltiplo de la frecuencia de audio, hasta 5 kHz a cada lado, en voltios o en decibelios.&lt;br&gt;&lt;b&gt;Salida del detector de envolvente&lt;/b&gt; (derecha): lo que devuelve el demodulador de envolvente de un receptor, con un detector ideal o con un diodo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pruebe esto&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Elija 140 %, después active el recortador y luego el diodo: verá cómo la envolvente se estrecha hasta anularse, cómo el recortador la redondea y cómo el diodo levanta los valles.&lt;/li&gt;&lt;li&gt;Elija “Log (decibelios)” con 120 % para ver los productos de distorsión junto al primer par.&lt;/li&gt;&lt;li&gt;Elija 3000 Hz: las bandas laterales se alejan, y los pares más allá de 5 kHz salen del gráfico.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AM plots</source>
        <translation>Gráficos de AM</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Audiofrecuencia</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Y-axis </source>
        <translation>Eje Y </translation>
    </message>
    <message>
        <source>Linear (volts)</source>
        <translation>Lineal (voltios)</translation>
    </message>
    <message>
        <source>Log (decibels)</source>
        <translation>Log (decibelios)</translation>
    </message>
    <message>
        <source>Modulation clipper</source>
        <translation>Recortador</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Demodulator type</source>
        <translation>Demodulador</translation>
    </message>
    <message>
        <source>Ideal</source>
        <translation>Ideal</translation>
    </message>
    <message>
        <source>Diode</source>
        <translation>Diodo</translation>
    </message>
</context>
<context>
    <name>frmFMplot</name>
    <message>
        <source>The modulating frequency box holds no number: &quot;%1&quot;.</source>
        <translation>El cuadro de la frecuencia moduladora no contiene un número: “%1”.</translation>
    </message>
    <message>
        <source>The peak deviation box holds no number: &quot;%1&quot;.</source>
        <translation>El cuadro de la desviación de pico no contiene un número: “%1”.</translation>
    </message>
    <message>
        <source>The plot width box holds no number: &quot;%1&quot;.</source>
        <translation>El cuadro del ancho del gráfico no contiene un número: “%1”.</translation>
    </message>
    <message>
        <source>The plot bottom box holds no number: &quot;%1&quot;.</source>
        <translation>El cuadro del fondo del gráfico no contiene un número: “%1”.</translation>
    </message>
    <message>
        <source>The modulating frequency must not be zero.</source>
        <translation>La frecuencia moduladora no puede ser cero.</translation>
    </message>
    <message>
        <source>The plot width must not be zero.</source>
        <translation>El ancho del gráfico no puede ser cero.</translation>
    </message>
    <message>
        <source>The plot bottom must not be zero.</source>
        <translation>El fondo del gráfico no puede ser cero.</translation>
    </message>
    <message>
        <source>This utility only handles modulation indices up to 15.
Please reduce the deviation or increase the modulating rate.

For a modulating rate of %1 the maximum
allowed deviation is %2.

For a deviation of %3 the minimum modulating rate is
%4.</source>
        <translation>Esta utilidad solo admite índices de modulación de hasta 15.
Reduzca la desviación o aumente la frecuencia moduladora.

Para una frecuencia moduladora de %1, la desviación máxima
permitida es %2.

Para una desviación de %3, la frecuencia moduladora mínima es
%4.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Frequency modulation.&lt;/b&gt; A carrier whose frequency swings with an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The plot&lt;/b&gt; shows the line spectrum: the carrier at Fc and a pair of lines at each multiple of the modulating frequency, their levels in decibels from Bessel functions of the modulation index, the peak deviation divided by the modulating frequency. Type the four values (&quot;3k&quot; is 3000) and press Update or Enter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier all but vanishes.&lt;/li&gt;&lt;li&gt;Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.&lt;/li&gt;&lt;li&gt;Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulación de frecuencia.&lt;/b&gt; Una portadora cuya frecuencia oscila al ritmo de un tono de audio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;El gráfico&lt;/b&gt; muestra el espectro de líneas: la portadora en Fc y un par de líneas en cada múltiplo de la frecuencia moduladora, con sus niveles en decibelios dados por las funciones de Bessel del índice de modulación, que es la desviación de pico dividida por la frecuencia moduladora. Escriba los cuatro valores (“3k” es 3000) y pulse Trazar o Enter. La coma sirve de separador decimal: “2,5k” es 2500 (2,5 kHz).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pruebe esto&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Desviación de pico 7,215k con 3k: índice 2,405, el primer cero de J0: la portadora casi desaparece.&lt;/li&gt;&lt;li&gt;Desviación de pico 15k: índice 5, muchas líneas, algunos pares más débiles que sus vecinos.&lt;/li&gt;&lt;li&gt;Fondo del gráfico -100 para ver las líneas exteriores débiles; ancho del gráfico 50k para ver más lejos.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Modulating frequency (Hz): </source>
        <translation>Frecuencia moduladora (Hz): </translation>
    </message>
    <message>
        <source>Peak deviation (Hz): </source>
        <translation>Desviación de pico (Hz): </translation>
    </message>
    <message>
        <source>Plot width (Hz): </source>
        <translation>Ancho del gráfico (Hz): </translation>
    </message>
    <message>
        <source>Plot bottom: </source>
        <translation>Fondo del gráfico: </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Trazar</translation>
    </message>
</context>
<context>
    <name>frmOpening</name>
    <message>
        <source>Amplitude modulation</source>
        <translation>Modulación de amplitud</translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation>Modulación de frecuencia</translation>
    </message>
    <message>
        <source>Single sideband</source>
        <translation>Banda lateral única</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tavinel authors</source>
        <translation>Copyright © 2026 Los autores de Tavinel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; shows how a transmitter puts a sound on a radio carrier.&lt;/p&gt;&lt;p&gt;Choose a demonstration:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Amplitude modulation&lt;/b&gt;: the signal, its spectrum and what a receiver&apos;s detector gives back, for the tone, depth and detector you choose.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency modulation&lt;/b&gt;: the line spectrum for the modulating frequency and deviation you type.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Single sideband&lt;/b&gt;: the spectrum and the signal with the carrier and the unwanted sideband as strong as you choose.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; muestra cómo un transmisor pone un sonido sobre una portadora de radio.&lt;/p&gt;&lt;p&gt;Elija una demostración:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Modulación de amplitud&lt;/b&gt;: la señal, su espectro y lo que devuelve el detector de un receptor, para el tono, la profundidad y el detector que elija.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Modulación de frecuencia&lt;/b&gt;: el espectro de líneas para la frecuencia moduladora y la desviación que escriba.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Banda lateral única&lt;/b&gt;: el espectro y la señal, con la portadora y la banda lateral no deseada tan fuertes como elija.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Salir&lt;/b&gt; termina el programa.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmSSBplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Single sideband.&lt;/b&gt; Both sidebands of an AM signal carry the same tone; one of them, without the carrier, is enough.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (left): the carrier and the sidebands in decibels, 5 kHz either side of the carrier.&lt;br&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (right): two milliseconds of the signal sent; its outline is the envelope a simple receiver would follow.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Start with the opening choices (double sideband, carrier off): the outline dips to nothing twice per audio cycle, so an envelope detector hears twice the tone.&lt;/li&gt;&lt;li&gt;Choose &quot;0 dB (full)&quot; for the carrier: the outline now follows the tone, as in AM.&lt;/li&gt;&lt;li&gt;Choose &quot;Ideal upper sideband&quot; with the carrier off: one line, and a band of constant height: nothing for an envelope detector to find.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Banda lateral única.&lt;/b&gt; Las dos bandas laterales de una señal de AM llevan el mismo tono; basta con una de ellas, sin la portadora.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Espectro de la señal emitida&lt;/b&gt; (izquierda): la portadora y las bandas laterales en decibelios, 5 kHz a cada lado de la portadora.&lt;br&gt;&lt;b&gt;Envolvente de la señal emitida&lt;/b&gt; (derecha): dos milisegundos de la señal enviada; su contorno es la envolvente que seguiría un receptor sencillo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Pruebe esto&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Empiece con la selección inicial (doble banda lateral, portadora nula): el contorno cae a cero dos veces por ciclo de audio, así que un detector de envolvente oye un tono de frecuencia doble.&lt;/li&gt;&lt;li&gt;Elija “0 dB máx” para la portadora: ahora el contorno sigue al tono, como en AM.&lt;/li&gt;&lt;li&gt;Elija “Banda superior ideal” con la portadora nula: una sola línea y una banda de altura constante: nada que pueda encontrar un detector de envolvente.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SSB plots</source>
        <translation>Gráficos de BLU</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Audiofrecuencia</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Double sideband</source>
        <translation>Doble banda lateral</translation>
    </message>
    <message>
        <source>Ideal lower sideband</source>
        <translation>Banda inferior ideal</translation>
    </message>
    <message>
        <source>Ideal upper sideband</source>
        <translation>Banda superior ideal</translation>
    </message>
    <message>
        <source>0 dB (full)</source>
        <translation>0 dB máx</translation>
    </message>
    <message>
        <source>-120 (off)</source>
        <translation>-120 nula</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
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
        <translation>Banda no deseada</translation>
    </message>
</context>
</TS>
