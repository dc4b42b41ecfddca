<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AccessiblePlots</name>
    <message>
        <source>Line spectrum</source>
        <translation>Espectro de raias</translation>
    </message>
    <message>
        <source>Nothing drawn yet.</source>
        <translation>Nada desenhado ainda.</translation>
    </message>
</context>
<context>
    <name>DemonstrationWindow</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>FullScreen</name>
    <message>
        <source>Full screen and back</source>
        <translation>Tela cheia e voltar</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>%1 help</source>
        <translation>Ajuda do %1</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Right-click a plot to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Clique com o botão direito num gráfico para copiar ou salvar a imagem ou os dados dele, ou para tocar ou salvar o som dele.</translation>
    </message>
    <message>
        <source>Esc: close this help</source>
        <translation>Esc: fechar esta ajuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Tavinel has ended.</source>
        <translation>O Tavinel foi encerrado.</translation>
    </message>
    <message>
        <source>%1 (ended)</source>
        <translation>%1 (encerrado)</translation>
    </message>
    <message>
        <source>Right-click a plot (or touch and hold it, or focus it and press the menu key or Shift+F10) to copy or save its picture or its data, or to play or save its sound.</source>
        <translation>Clique com o botão direito num gráfico (ou toque e segure, ou dê o foco a ele e pressione a tecla de menu ou Shift+F10) para copiar ou salvar a imagem ou os dados dele, ou para tocar ou salvar o som dele.</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>The picture could not be copied: %1</source>
        <translation>Não foi possível copiar a imagem: %1</translation>
    </message>
    <message>
        <source>The data could not be copied: %1</source>
        <translation>Não foi possível copiar os dados: %1</translation>
    </message>
    <message>
        <source>Save picture as SVG…</source>
        <translation>Salvar imagem como SVG…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Começar de novo</translation>
    </message>
    <message>
        <source>The sound cannot start: the browser has no audio output it can use. Connect speakers or headphones, or allow this page to play sound, then choose Play sound again.</source>
        <translation>O som não pode começar: o navegador não tem nenhuma saída de áudio que possa usar. Conecte alto-falantes ou fones de ouvido, ou permita que esta página toque som, e escolha “Tocar som” de novo.</translation>
    </message>
</context>
<context>
    <name>PlotActions</name>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Copy data</source>
        <translation>Copiar dados</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Salvar dados…</translation>
    </message>
    <message>
        <source>Copy the spectrum&apos;s lines</source>
        <translation>Copiar as raias do espectro</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Desenho SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2.</source>
        <translation>Não foi possível salvar “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Transmitted signal envelope</source>
        <translation>Envoltória do sinal transmitido</translation>
    </message>
    <message>
        <source>Transmitted signal spectrum</source>
        <translation>Espectro do sinal transmitido</translation>
    </message>
    <message>
        <source>Envelope demodulator output</source>
        <translation>Saída do detector de envoltória</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>desenhado</translation>
    </message>
    <message>
        <source>exact</source>
        <translation>exato</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>envoltória</translation>
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
        <translation>Nenhuma raia</translation>
    </message>
    <message>
        <source>%1 lines; the strongest</source>
        <translation>%1 raias; as mais fortes</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>portadora</translation>
    </message>
    <message>
        <source>%1 below, %2 above</source>
        <translation>%1 abaixo, %2 acima</translation>
    </message>
    <message>
        <source>sidebands at ±%1 %2</source>
        <translation>bandas laterais em ±%1 %2</translation>
    </message>
    <message>
        <source>lower sideband at %1 %2</source>
        <translation>banda lateral inferior em %1 %2</translation>
    </message>
    <message>
        <source>upper sideband at %1 %2</source>
        <translation>banda lateral superior em %1 %2</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 ms, swinging between %4 and %5</source>
        <translation>%1 de %2 a %3 ms, oscilando entre %4 e %5</translation>
    </message>
    <message>
        <source>Modulation index %1 · bandwidth by Carson&apos;s rule %2 kHz</source>
        <translation>Índice de modulação %1 · largura de banda pela regra de Carson %2 kHz</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Tavinel has met an unexpected error and must close.</source>
        <translation>O Tavinel encontrou um erro inesperado e precisa ser fechado.</translation>
    </message>
</context>
<context>
    <name>SoundActions</name>
    <message>
        <source>Play sound</source>
        <translation>Tocar som</translation>
    </message>
    <message>
        <source>Save sound…</source>
        <translation>Salvar som…</translation>
    </message>
    <message>
        <source>Could not play the sound: %1.</source>
        <translation>Não foi possível tocar o som: %1.</translation>
    </message>
    <message>
        <source>Save sound</source>
        <translation>Salvar som</translation>
    </message>
    <message>
        <source>WAV sound (*.wav)</source>
        <translation>Som WAV (*.wav)</translation>
    </message>
    <message>
        <source>Stop sound</source>
        <translation>Parar som</translation>
    </message>
    <message>
        <source>Nothing to hear until the window shows its plot.</source>
        <translation>Não há nada para ouvir até a janela mostrar o gráfico.</translation>
    </message>
    <message>
        <source>No audio output was found: connect speakers or headphones (or start the sound server) to hear the plots.</source>
        <translation>Nenhuma saída de áudio foi encontrada: conecte alto-falantes ou fones de ouvido (ou inicie o servidor de som) para ouvir os gráficos.</translation>
    </message>
    <message>
        <source>The audio output has gone: the sound goes on as soon as it is back.</source>
        <translation>A saída de áudio sumiu: o som continua assim que ela voltar.</translation>
    </message>
</context>
<context>
    <name>SoundPlayer</name>
    <message>
        <source>there is no audio output</source>
        <translation>não há saída de áudio</translation>
    </message>
</context>
<context>
    <name>frmAMplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Amplitude modulation.&lt;/b&gt; A carrier whose amplitude follows an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (left): one millisecond of the signal sent. The carrier swings so fast that it fills the band between the upper and the lower envelope, which follow the audio tone.&lt;br&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (middle): the carrier in the centre and a pair of sidebands at each multiple of the audio frequency, up to 5 kHz either side, as voltages or in decibels.&lt;br&gt;&lt;b&gt;Envelope demodulator output&lt;/b&gt; (right): what a receiver&apos;s envelope detector gives back, with an ideal detector or a diode.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Choose 140 %, then switch the clipper on, then the diode: watch the envelope pinch to nothing, the clipper round it off, and the diode lift the troughs.&lt;/li&gt;&lt;li&gt;Choose &quot;Log (decibels)&quot; at 120 % to see the distortion products beside the first pair.&lt;/li&gt;&lt;li&gt;Choose 3000 Hz: the sidebands move out, and pairs beyond 5 kHz leave the plot.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulação em amplitude.&lt;/b&gt; Uma portadora cuja amplitude acompanha um tom de áudio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Envoltória do sinal transmitido&lt;/b&gt; (à esquerda): um milissegundo do sinal enviado. A portadora oscila tão depressa que preenche a faixa entre a envoltória superior e a inferior, que acompanham o tom de áudio.&lt;br&gt;&lt;b&gt;Espectro do sinal transmitido&lt;/b&gt; (no meio): a portadora no centro e um par de bandas laterais em cada múltiplo da frequência de áudio, até 5 kHz de cada lado, em volts ou em decibéis.&lt;br&gt;&lt;b&gt;Saída do detector de envoltória&lt;/b&gt; (à direita): o que o demodulador de envoltória de um receptor devolve, com um detector ideal ou com um diodo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Experimente&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Escolha 140 %, depois ligue o ceifador e então o diodo: veja a envoltória se estreitar até zero, o ceifador arredondá-la e o diodo levantar os vales.&lt;/li&gt;&lt;li&gt;Escolha “Log (decibéis)” com 120 % para ver os produtos de distorção ao lado do primeiro par.&lt;/li&gt;&lt;li&gt;Escolha 3000 Hz: as bandas laterais se afastam, e os pares além de 5 kHz saem do gráfico.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>AM plots</source>
        <translation>Gráficos de AM</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Frequência de áudio</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulação</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Y-axis </source>
        <translation>Eixo Y </translation>
    </message>
    <message>
        <source>Linear (volts)</source>
        <translation>Linear (volts)</translation>
    </message>
    <message>
        <source>Log (decibels)</source>
        <translation>Log (decibéis)</translation>
    </message>
    <message>
        <source>Modulation clipper</source>
        <translation>Ceifador</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
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
        <translation>A caixa da frequência modulante não contém um número: “%1”.</translation>
    </message>
    <message>
        <source>The peak deviation box holds no number: &quot;%1&quot;.</source>
        <translation>A caixa do desvio de pico não contém um número: “%1”.</translation>
    </message>
    <message>
        <source>The plot width box holds no number: &quot;%1&quot;.</source>
        <translation>A caixa da largura do gráfico não contém um número: “%1”.</translation>
    </message>
    <message>
        <source>The plot bottom box holds no number: &quot;%1&quot;.</source>
        <translation>A caixa da base do gráfico não contém um número: “%1”.</translation>
    </message>
    <message>
        <source>The modulating frequency must not be zero.</source>
        <translation>A frequência modulante não pode ser zero.</translation>
    </message>
    <message>
        <source>The plot width must not be zero.</source>
        <translation>A largura do gráfico não pode ser zero.</translation>
    </message>
    <message>
        <source>The plot bottom must not be zero.</source>
        <translation>A base do gráfico não pode ser zero.</translation>
    </message>
    <message>
        <source>This utility only handles modulation indices up to 15.
Please reduce the deviation or increase the modulating rate.

For a modulating rate of %1 the maximum
allowed deviation is %2.

For a deviation of %3 the minimum modulating rate is
%4.</source>
        <translation>Este utilitário só trata índices de modulação até 15.
Reduza o desvio ou aumente a frequência modulante.

Para uma frequência modulante de %1, o desvio máximo
permitido é %2.

Para um desvio de %3, a frequência modulante mínima é
%4.</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Frequency modulation.&lt;/b&gt; A carrier whose frequency swings with an audio tone.&lt;/p&gt;&lt;p&gt;&lt;b&gt;The plot&lt;/b&gt; shows the line spectrum: the carrier at Fc and a pair of lines at each multiple of the modulating frequency, their levels in decibels from Bessel functions of the modulation index, the peak deviation divided by the modulating frequency. Type the four values (&quot;3k&quot; is 3000) and press Update or Enter.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Peak deviation 7.215k with 3k: index 2.405, the first zero of J0: the carrier all but vanishes.&lt;/li&gt;&lt;li&gt;Peak deviation 15k: index 5, many lines, some pairs weaker than their neighbours.&lt;/li&gt;&lt;li&gt;Plot bottom -100 to see the weak outer lines; plot width 50k to see further out.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Modulação em frequência.&lt;/b&gt; Uma portadora cuja frequência oscila no ritmo de um tom de áudio.&lt;/p&gt;&lt;p&gt;&lt;b&gt;O gráfico&lt;/b&gt; mostra o espectro de raias: a portadora em Fc e um par de raias em cada múltiplo da frequência modulante, com seus níveis em decibéis dados pelas funções de Bessel do índice de modulação, que é o desvio de pico dividido pela frequência modulante. Digite os quatro valores (“3k” é 3000) e pressione Traçar ou Enter. A vírgula serve de separador decimal: “2,5k” é 2500 (2,5 kHz).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Experimente&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Desvio de pico 7,215k com 3k: índice 2,405, o primeiro zero de J0: a portadora quase desaparece.&lt;/li&gt;&lt;li&gt;Desvio de pico 15k: índice 5, muitas raias, alguns pares mais fracos que seus vizinhos.&lt;/li&gt;&lt;li&gt;Base do gráfico -100 para ver as raias externas fracas; largura do gráfico 50k para ver mais longe.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Modulating frequency (Hz): </source>
        <translation>Frequência modulante (Hz): </translation>
    </message>
    <message>
        <source>Peak deviation (Hz): </source>
        <translation>Desvio de pico (Hz): </translation>
    </message>
    <message>
        <source>Plot width (Hz): </source>
        <translation>Largura do gráfico (Hz): </translation>
    </message>
    <message>
        <source>Plot bottom: </source>
        <translation>Base do gráfico: </translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Traçar</translation>
    </message>
</context>
<context>
    <name>frmOpening</name>
    <message>
        <source>Amplitude modulation</source>
        <translation>Modulação em amplitude</translation>
    </message>
    <message>
        <source>Frequency modulation</source>
        <translation>Modulação em frequência</translation>
    </message>
    <message>
        <source>Single sideband</source>
        <translation>Banda lateral única</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Tavinel authors</source>
        <translation>Copyright © 2026 Os autores do Tavinel</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; shows how a transmitter puts a sound on a radio carrier.&lt;/p&gt;&lt;p&gt;Choose a demonstration:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Amplitude modulation&lt;/b&gt;: the signal, its spectrum and what a receiver&apos;s detector gives back, for the tone, depth and detector you choose.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Frequency modulation&lt;/b&gt;: the line spectrum for the modulating frequency and deviation you type.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Single sideband&lt;/b&gt;: the spectrum and the signal with the carrier and the unwanted sideband as strong as you choose.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Exit&lt;/b&gt; ends the program.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tavinel&lt;/b&gt; mostra como um transmissor coloca um som sobre uma portadora de rádio.&lt;/p&gt;&lt;p&gt;Escolha uma demonstração:&lt;ul&gt;&lt;li&gt;&lt;b&gt;Modulação em amplitude&lt;/b&gt;: o sinal, seu espectro e o que o detector de um receptor devolve, para o tom, a profundidade e o detector que você escolher.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Modulação em frequência&lt;/b&gt;: o espectro de raias para a frequência modulante e o desvio que você digitar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Banda lateral única&lt;/b&gt;: o espectro e o sinal, com a portadora e a banda lateral indesejada tão fortes quanto você escolher.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;&lt;p&gt;&lt;b&gt;Sair&lt;/b&gt; encerra o programa.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmSSBplot</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Single sideband.&lt;/b&gt; Both sidebands of an AM signal carry the same tone; one of them, without the carrier, is enough.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Transmitted signal spectrum&lt;/b&gt; (left): the carrier and the sidebands in decibels, 5 kHz either side of the carrier.&lt;br&gt;&lt;b&gt;Transmitted signal envelope&lt;/b&gt; (right): two milliseconds of the signal sent; its outline is the envelope a simple receiver would follow.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Things to try&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Start with the opening choices (double sideband, carrier off): the outline dips to nothing twice per audio cycle, so an envelope detector hears twice the tone.&lt;/li&gt;&lt;li&gt;Choose &quot;0 dB (full)&quot; for the carrier: the outline now follows the tone, as in AM.&lt;/li&gt;&lt;li&gt;Choose &quot;Ideal upper sideband&quot; with the carrier off: one line, and a band of constant height: nothing for an envelope detector to find.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Banda lateral única.&lt;/b&gt; As duas bandas laterais de um sinal de AM carregam o mesmo tom; uma delas, sem a portadora, basta.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Espectro do sinal transmitido&lt;/b&gt; (à esquerda): a portadora e as bandas laterais em decibéis, 5 kHz de cada lado da portadora.&lt;br&gt;&lt;b&gt;Envoltória do sinal transmitido&lt;/b&gt; (à direita): dois milissegundos do sinal enviado; seu contorno é a envoltória que um receptor simples seguiria.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Experimente&lt;/b&gt;&lt;ul&gt;&lt;li&gt;Comece com as escolhas iniciais (banda lateral dupla, portadora nula): o contorno cai a zero duas vezes por ciclo de áudio, então um detector de envoltória ouve um tom de frequência dobrada.&lt;/li&gt;&lt;li&gt;Escolha “0 dB máx” para a portadora: agora o contorno acompanha o tom, como em AM.&lt;/li&gt;&lt;li&gt;Escolha “Banda superior ideal” com a portadora nula: uma só raia e uma faixa de altura constante: nada para um detector de envoltória encontrar.&lt;/li&gt;&lt;/ul&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>SSB plots</source>
        <translation>Gráficos de BLU</translation>
    </message>
    <message>
        <source>Audio frequency</source>
        <translation>Frequência de áudio</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Double sideband</source>
        <translation>Banda lateral dupla</translation>
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
        <translation>0 dB (BLD)</translation>
    </message>
    <message>
        <source>-120 (full SSB)</source>
        <translation>-120 (BLU)</translation>
    </message>
    <message>
        <source>Unwanted sideband</source>
        <translation>Banda indesejada</translation>
    </message>
</context>
</TS>
