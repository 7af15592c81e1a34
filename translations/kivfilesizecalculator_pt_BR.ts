<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>KivClipChild</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Medindo os clipes…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Medição de clipes</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Medindo os clipes</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Medindo os clipes… arquivos lidos: %1</translation>
    </message>
</context>
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Incomplete Measure</source>
        <translation>Medição incompleta</translation>
    </message>
    <message>
        <source>Use the measured rate all the same?</source>
        <translation>Usar a taxa medida mesmo assim?</translation>
    </message>
    <message>
        <source>Time left on this card at that rate: %1 (%2 GB free)</source>
        <translation>Tempo restante neste cartão a essa taxa: %1 (%2 GB livres)</translation>
    </message>
</context>
<context>
    <name>KivClipProcess</name>
    <message>
        <source>Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5</source>
        <translation>Medido a partir de clipes (gravações: %1, arquivos: %2, ignorados: %3): %4, %5</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Só é possível medir arquivos e pastas deste computador; %1 não é um deles.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips sent a line longer than 64 KiB. Nothing was changed.</source>
        <translation>A medição parou: o leitor dos clipes enviou uma linha com mais de 64 KiB. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>Nada foi medido: %1</translation>
    </message>
    <message>
        <source>the reader of the clips could not run</source>
        <translation>o leitor dos clipes não pôde funcionar</translation>
    </message>
    <message>
        <source>not measured, for a reason not known here</source>
        <translation>não medido, por um motivo desconhecido aqui</translation>
    </message>
    <message>
        <source>Nothing was changed: the reader of the clips sent figures that cannot be right.</source>
        <translation>Nada foi alterado: o leitor dos clipes enviou valores que não podem estar certos.</translation>
    </message>
    <message>
        <source>Nothing was measured: the reader of the clips ended without a result.</source>
        <translation>Nada foi medido: o leitor dos clipes terminou sem resultado.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed. Nothing was changed.</source>
        <translation>A medição parou: o leitor dos clipes falhou. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed on %1. Nothing was changed.</source>
        <translation>A medição parou: o leitor dos clipes falhou em %1. Nada foi alterado.</translation>
    </message>
    <message>
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>Para medir clipes é preciso o kivfilesize, instalado junto com a calculadora; não foi possível iniciar %1.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorados: %1</translation>
    </message>
    <message>
        <source>Incomplete: camera media that could not be measured is left out (%1 MB).</source>
        <translation>Incompleto: mídias da câmera que não puderam ser medidas ficaram de fora (%1 MB).</translation>
    </message>
</context>
<context>
    <name>KivClipReason</name>
    <message>
        <source>not a local file: only paths and file:// URLs of this machine can be measured</source>
        <translation>não é um arquivo local: só é possível medir caminhos e URLs file:// deste computador</translation>
    </message>
    <message>
        <source>empty path</source>
        <translation>caminho vazio</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>arquivo ou pasta inexistente</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>nem um arquivo comum nem uma pasta</translation>
    </message>
    <message>
        <source>symbolic link to a folder, not followed</source>
        <translation>link simbólico para uma pasta, não seguido</translation>
    </message>
    <message>
        <source>already counted</source>
        <translation>já contado</translation>
    </message>
    <message>
        <source>no clip in this folder</source>
        <translation>nenhum clipe nesta pasta</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>arquivo vazio</translation>
    </message>
    <message>
        <source>not a clip: no audio or video with a duration</source>
        <translation>não é um clipe: não tem áudio nem vídeo com duração</translation>
    </message>
    <message>
        <source>not a clip: cut short</source>
        <translation>não é um clipe: está cortado</translation>
    </message>
    <message>
        <source>not a clip: describes media kept in another file</source>
        <translation>não é um clipe: descreve mídia guardada em outro arquivo</translation>
    </message>
    <message>
        <source>not a clip: no usable duration</source>
        <translation>não é um clipe: não tem duração utilizável</translation>
    </message>
    <message>
        <source>cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise</source>
        <translation>não pode ser lido: o nome não é UTF-8 e /proc não está montado para nomeá-lo de outra forma</translation>
    </message>
    <message>
        <source>measuring clips needs libmediainfo0v5</source>
        <translation>medir clipes requer libmediainfo0v5</translation>
    </message>
    <message>
        <source>measuring clips needs seccomp filters to keep MediaInfoLib off the network</source>
        <translation>medir clipes requer filtros seccomp que mantenham a MediaInfoLib fora da rede</translation>
    </message>
    <message>
        <source>camera original the reader cannot measure</source>
        <translation>original da câmera que o leitor não consegue medir</translation>
    </message>
    <message>
        <source>a link that loops</source>
        <translation>um link que forma um laço</translation>
    </message>
    <message>
        <source>name too long for the system</source>
        <translation>nome longo demais para o sistema</translation>
    </message>
    <message>
        <source>empty path in the list</source>
        <translation>caminho vazio na lista</translation>
    </message>
    <message>
        <source>left out: its recording&apos;s main file cannot be measured</source>
        <translation>deixado de fora: o arquivo principal da sua gravação não pode ser medido</translation>
    </message>
</context>
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Calculadora de tamanho de arquivo Kiv</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Calcular taxa de bits/tamanho do cartão/tempo</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Taxa de bits em megabits por segundo</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamanho do cartão</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Tamanho do cartão em gigabytes</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Tempo de gravação em horas, minutos e segundos</translation>
    </message>
    <message>
        <source>Hours:Minutes:Seconds</source>
        <translation>horas:minutos:segundos</translation>
    </message>
    <message>
        <source>Mbits/sec</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Converter a taxa de bits em Mbit/s ou MB/s</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Taxa de bits em megabytes por segundo</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Right-click for the bitrate of a recording format; drop clips on the window to measure theirs.</source>
        <translation>Clique com o botão direito para a taxa de bits de um formato de gravação; solte clipes na janela para medir a deles.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooser</name>
    <message>
        <source>target: what the encoder aims at; real files of simple pictures come in lower</source>
        <translation>alvo: a taxa que o codificador busca; arquivos reais de imagens simples ficam menores</translation>
    </message>
    <message>
        <source>constant: the same size for every frame</source>
        <translation>constante: o mesmo tamanho para cada quadro</translation>
    </message>
    <message>
        <source>maximum: the most the mode records; averages come in lower</source>
        <translation>máximo: o máximo que o modo grava; as médias ficam abaixo</translation>
    </message>
    <message>
        <source>average: what a typical recording comes to</source>
        <translation>média: o que uma gravação típica atinge</translation>
    </message>
    <message>
        <source>Write the frame size as width x height, for example 1920x1080.</source>
        <translation>Escreva o tamanho do quadro como largura x altura, por exemplo 1920x1080.</translation>
    </message>
    <message>
        <source>Write the frame rate as a number, for example 25 or 29.97, or as a fraction such as 30000/1001.</source>
        <translation>Escreva a taxa de quadros como um número, por exemplo 25 ou 29,97, ou como uma fração como 30000/1001.</translation>
    </message>
    <message>
        <source>%1 exists only at %2.</source>
        <translation>%1 só existe em %2.</translation>
    </message>
    <message>
        <source>%1 Mbit/s, %2; %3.</source>
        <translation>%1 Mbit/s, %2; %3.</translation>
    </message>
    <message>
        <source>audio included</source>
        <translation>áudio incluído</translation>
    </message>
    <message>
        <source>video only</source>
        <translation>somente vídeo</translation>
    </message>
    <message>
        <source>Scaled from %1 at %2 fps.</source>
        <translation>Escalonado a partir de %1 a %2 qps.</translation>
    </message>
    <message>
        <source>Scaled from %1.</source>
        <translation>Escalonado a partir de %1.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fonte: %1</translation>
    </message>
    <message>
        <source>approximate: the maker&apos;s rounded figure, neither a maximum nor an average</source>
        <translation>aproximada: o valor arredondado do fabricante, nem um máximo nem uma média</translation>
    </message>
    <message>
        <source>net: the rate of the video stream alone</source>
        <translation>líquida: a taxa do fluxo de vídeo apenas</translation>
    </message>
    <message>
        <source>nominal: the rate the format is known by; its source says no more</source>
        <translation>nominal: a taxa pela qual o formato é conhecido; sua fonte não diz mais</translation>
    </message>
    <message>
        <source>Width and height must be 1 to %1 pixels.</source>
        <translation>Largura e altura devem ser de 1 a %1 pixels.</translation>
    </message>
    <message>
        <source>%1 exists only at %2 frames per second.</source>
        <translation>%1 só existe a %2 quadros por segundo.</translation>
    </message>
    <message>
        <source>%1, with alpha</source>
        <translation>%1, com alfa</translation>
    </message>
    <message>
        <source>%1, without alpha</source>
        <translation>%1, sem alfa</translation>
    </message>
    <message>
        <source>With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.</source>
        <translation>Com %1 canais de áudio PCM de 24 bits a 48 kHz (%2 Mbit/s): %3 Mbit/s.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooserClass</name>
    <message>
        <source>Bitrate of a Recording Format</source>
        <translation>Taxa de bits de um formato de gravação</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Família:</translation>
    </message>
    <message>
        <source>Family of recording formats</source>
        <translation>Família de formatos de gravação</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Formato de gravação</translation>
    </message>
    <message>
        <source>Frame &amp;size:</source>
        <translation>&amp;Tamanho do quadro:</translation>
    </message>
    <message>
        <source>Frame size in pixels, width by height</source>
        <translation>Tamanho do quadro em pixels, largura por altura</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Taxa de &amp;quadros:</translation>
    </message>
    <message>
        <source>Frame rate in frames per second</source>
        <translation>Taxa de quadros em quadros por segundo</translation>
    </message>
    <message>
        <source>Bitrate of the chosen format</source>
        <translation>Taxa de bits do formato escolhido</translation>
    </message>
    <message>
        <source>Faults in formats files</source>
        <translation>Erros nos arquivos de formatos</translation>
    </message>
    <message>
        <source>&amp;Audio:</source>
        <translation>&amp;Áudio:</translation>
    </message>
    <message>
        <source>Audio recorded beside the video, 24-bit 48 kHz PCM</source>
        <translation>Áudio gravado junto com o vídeo, PCM de 24 bits a 48 kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>2 channels</source>
        <translation>2 canais</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 canais</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 canais</translation>
    </message>
</context>
<context>
    <name>KivFormatMenu</name>
    <message>
        <source>Bitrate of a recording format…</source>
        <translation>Taxa de bits de um formato de gravação…</translation>
    </message>
    <message>
        <source>Plan a shoot…</source>
        <translation>Planejar uma gravação…</translation>
    </message>
    <message>
        <source>Free space of a mounted card…</source>
        <translation>Espaço livre de um cartão montado…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 em %2</translation>
    </message>
    <message>
        <source>%1: %2 GB free of %3 GB</source>
        <translation>%1: %2 GB livres de %3 GB</translation>
    </message>
    <message>
        <source>Free Space of a Card</source>
        <translation>Espaço livre de um cartão</translation>
    </message>
    <message>
        <source>No mounted volume was found.</source>
        <translation>Nenhum volume montado foi encontrado.</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volume:</translation>
    </message>
</context>
<context>
    <name>KivPlanCameraModel</name>
    <message>
        <source>%1 audio channels</source>
        <translation>%1 canais de áudio</translation>
    </message>
    <message>
        <source>audio %1</source>
        <translation>áudio %1</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 qps</translation>
    </message>
    <message>
        <source>Clips: %1</source>
        <translation>Clipes: %1</translation>
    </message>
    <message>
        <source>Measuring clips…</source>
        <translation>Medindo os clipes…</translation>
    </message>
</context>
<context>
    <name>KivPlanDocument</name>
    <message>
        <source>Camera %1</source>
        <translation>Câmera %1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Câmera %1, %2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Escolher formato</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Medir clipes</translation>
    </message>
    <message>
        <source>Add Camera</source>
        <translation>Adicionar câmera</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Remover câmera</translation>
    </message>
    <message>
        <source>%1 (measuring its clips…)</source>
        <translation>%1 (medindo seus clipes…)</translation>
    </message>
    <message>
        <source>%1 (no bitrate yet)</source>
        <translation>%1 (ainda sem taxa de bits)</translation>
    </message>
    <message>
        <source>The totals leave out %1.</source>
        <translation>Os totais deixam de fora %1.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>mais %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
</context>
<context>
    <name>KivPlanFaultWords</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamanho do cartão</translation>
    </message>
    <message>
        <source>Drive size</source>
        <translation>Tamanho do disco</translation>
    </message>
    <message>
        <source>Offload speed</source>
        <translation>Velocidade de descarga</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Câmeras</translation>
    </message>
    <message>
        <source>line %1, column %2: not a plan file (%3)</source>
        <translation>linha %1, coluna %2: não é um arquivo de plano (%3)</translation>
    </message>
    <message>
        <source>not a plan file</source>
        <translation>não é um arquivo de plano</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not read</source>
        <translation>maior que %1 MiB; não lido</translation>
    </message>
    <message>
        <source>a folder, not a plan file</source>
        <translation>uma pasta, não um arquivo de plano</translation>
    </message>
    <message>
        <source>not a regular file; not read</source>
        <translation>não é um arquivo comum; não lido</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>não pode ser gravado (%1)</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>deve ser um número de %1 a %2</translation>
    </message>
    <message>
        <source>a plan has 1 to %1 cameras</source>
        <translation>um plano tem de 1 a %1 câmeras</translation>
    </message>
    <message>
        <source>%1 cannot be read as a time (%2)</source>
        <translation>%1 não pode ser lido como tempo (%2)</translation>
    </message>
    <message>
        <source>%1 is longer than a day (%2)</source>
        <translation>%1 passa de um dia (%2)</translation>
    </message>
    <message>
        <source>no bitrate yet</source>
        <translation>ainda sem taxa de bits</translation>
    </message>
    <message>
        <source>the frame rate must be from %1 to %2 frames per second</source>
        <translation>a taxa de quadros deve ser de %1 a %2 quadros por segundo</translation>
    </message>
    <message>
        <source>the format cannot be used (%1)</source>
        <translation>o formato não pode ser usado (%1)</translation>
    </message>
    <message>
        <source>the figure of %1 includes its audio already</source>
        <translation>o valor de %1 já inclui o áudio</translation>
    </message>
    <message>
        <source>the clips were not measured (%1)</source>
        <translation>os clipes não foram medidos (%1)</translation>
    </message>
    <message>
        <source>the clips are being measured</source>
        <translation>os clipes estão sendo medidos</translation>
    </message>
    <message>
        <source>a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2</source>
        <translation>uma taxa de %1 Mbit/s não pode ser planejada; deve ser maior que 0 e no máximo %2</translation>
    </message>
    <message>
        <source>at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is</source>
        <translation>a %1 Mbit/s um cartão de %2 %3 dura mais que %4, o maior tempo que existe</translation>
    </message>
    <message>
        <source>at %1 MB/s a day&apos;s %2 %3 take longer than %4, the longest time there is</source>
        <translation>a %1 MB/s os %2 %3 de um dia levam mais que %4, o maior tempo que existe</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Duração da jornada</translation>
    </message>
    <message>
        <source>Handoff</source>
        <translation>Tempo de entrega</translation>
    </message>
    <message>
        <source>Card readers</source>
        <translation>Leitores de cartão</translation>
    </message>
    <message>
        <source>a day of 00:00:00 plans nothing; give its length, as 10:00:00</source>
        <translation>uma jornada de 00:00:00 não planeja nada; informe sua duração, como 10:00:00</translation>
    </message>
    <message>
        <source>missing; the day length plans cards and their offload, give it</source>
        <translation>ausente; a duração da jornada planeja os cartões e sua descarga, informe-o</translation>
    </message>
    <message>
        <source>%1 is longer than the day length %2</source>
        <translation>%1 é maior que a duração da jornada %2</translation>
    </message>
    <message>
        <source>fills %1 cards a day per body; a day is planned for at most %2</source>
        <translation>enche %1 cartões por dia por corpo; uma jornada é planejada para no máximo %2</translation>
    </message>
</context>
<context>
    <name>KivPlanReport</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>não é possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>Storage budget: %1</source>
        <translation>Orçamento de armazenamento: %1</translation>
    </message>
    <message>
        <source>Days: %1</source>
        <translation>Dias: %1</translation>
    </message>
    <message>
        <source>Copies: %1</source>
        <translation>Cópias: %1</translation>
    </message>
    <message>
        <source>Cards of %1 %2</source>
        <translation>Cartões de %1 %2</translation>
    </message>
    <message>
        <source>Drives of %1 %2</source>
        <translation>Discos de %1 %2</translation>
    </message>
    <message>
        <source>Offload at %1 MB/s</source>
        <translation>Descarga a %1 MB/s</translation>
    </message>
    <message>
        <source>Proxy: %1</source>
        <translation>Proxy: %1</translation>
    </message>
    <message>
        <source>Kiv File Size Calculator, %1</source>
        <translation>Calculadora de tamanho de arquivo Kiv, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Cópias</translation>
    </message>
    <message>
        <source>Card size (%1)</source>
        <translation>Tamanho do cartão (%1)</translation>
    </message>
    <message>
        <source>Drive size (%1)</source>
        <translation>Tamanho do disco (%1)</translation>
    </message>
    <message>
        <source>Offload (MB/s)</source>
        <translation>Descarga (MB/s)</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Counted as</source>
        <translation>Contado como</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>A cell that starts with =, +, -, @, a tab or a carriage return starts with &apos; here, so that it is not a formula</source>
        <translation>Uma célula que começa com =, +, -, @, uma tabulação ou um retorno de carro começa aqui com &apos;, para que não seja uma fórmula</translation>
    </message>
</context>
<context>
    <name>KivPlanWords</name>
    <message>
        <source>GiB</source>
        <translation>GiB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TiB</source>
        <translation>TiB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Câmera</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Quantidade</translation>
    </message>
    <message>
        <source>Time per day</source>
        <translation>Tempo por dia</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Taxa de bits</translation>
    </message>
    <message>
        <source>Mbit/s per body</source>
        <translation>Mbit/s por corpo</translation>
    </message>
    <message>
        <source>%1 per day</source>
        <translation>%1 por dia</translation>
    </message>
    <message>
        <source>Cards per body a day</source>
        <translation>Cartões por corpo por dia</translation>
    </message>
    <message>
        <source>Card time</source>
        <translation>Tempo por cartão</translation>
    </message>
    <message>
        <source>%1 for the shoot</source>
        <translation>%1 para a gravação</translation>
    </message>
    <message>
        <source>%1 with copies</source>
        <translation>%1 com cópias</translation>
    </message>
    <message>
        <source>%1 of proxies</source>
        <translation>%1 de proxies</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 no total</translation>
    </message>
    <message>
        <source>Cards a day, all bodies</source>
        <translation>Cartões por dia, todos os corpos</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Discos</translation>
    </message>
    <message>
        <source>Offload per day</source>
        <translation>Descarga por dia</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cards per body</source>
        <translation>Cartões por corpo</translation>
    </message>
    <message>
        <source>Cards to rent</source>
        <translation>Cartões a alugar</translation>
    </message>
    <message>
        <source>Offload done</source>
        <translation>Descarga concluída</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>the offload does not finish before the next day</source>
        <translation>a descarga não termina antes do dia seguinte</translation>
    </message>
    <message>
        <source>%1 (%2 after wrap), %3, %4</source>
        <translation>%1 (%2 após o fim da filmagem), %3, %4</translation>
    </message>
    <message>
        <source>1 reader</source>
        <translation>1 leitor</translation>
    </message>
    <message>
        <source>%1 readers</source>
        <translation>%1 leitores</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>não verificado</translation>
    </message>
</context>
<context>
    <name>KivPlanner</name>
    <message>
        <source>measuring was cancelled</source>
        <translation>a medição foi cancelada</translation>
    </message>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planejar uma gravação</translation>
    </message>
    <message>
        <source>%1[*] – Plan a Shoot</source>
        <translation>%1[*] – Planejar uma gravação</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plano</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Planos (*.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Salvar plano</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Planos (*.json)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The plan was not opened: %1</source>
        <translation>O plano não foi aberto: %1</translation>
    </message>
    <message>
        <source>The plan was not saved: %1</source>
        <translation>O plano não foi salvo: %1</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nada foi exportado: %1</translation>
    </message>
    <message>
        <source>untitled plan</source>
        <translation>plano sem título</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved. Save them?</source>
        <translation>O plano tem alterações não salvas. Salvá-las?</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Medir clipes</translation>
    </message>
    <message>
        <source>Measure a Card Folder</source>
        <translation>Medir a pasta de um cartão</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>não medido</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ediçã&amp;o</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
</context>
<context>
    <name>KivPlannerClass</name>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planejar uma gravação</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unidades:</translation>
    </message>
    <message>
        <source>Units of a gigabyte</source>
        <translation>Unidades de um gigabyte</translation>
    </message>
    <message>
        <source>GB of 1024 MB, as the calculator counts</source>
        <translation>GB de 1024 MB, como a calculadora conta</translation>
    </message>
    <message>
        <source>GB of 10^9 bytes, as card labels count</source>
        <translation>GB de 10^9 bytes, como contam os rótulos dos cartões</translation>
    </message>
    <message>
        <source>GiB of 2^30 bytes, as systems show a card</source>
        <translation>GiB de 2^30 bytes, como os sistemas mostram um cartão</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Dias:</translation>
    </message>
    <message>
        <source>Days of shooting</source>
        <translation>Dias de gravação</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>Có&amp;pias:</translation>
    </message>
    <message>
        <source>Copies kept of the camera files</source>
        <translation>Cópias mantidas dos arquivos das câmeras</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Tamanho do cartão:</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Tamanho do cartão em gigabytes</translation>
    </message>
    <message>
        <source>Dri&amp;ve size:</source>
        <translation>Tamanho do d&amp;isco:</translation>
    </message>
    <message>
        <source>Drive size in gigabytes</source>
        <translation>Tamanho do disco em gigabytes</translation>
    </message>
    <message>
        <source>Off&amp;load speed:</source>
        <translation>&amp;Velocidade de descarga:</translation>
    </message>
    <message>
        <source>Offload speed in megabytes per second</source>
        <translation>Velocidade de descarga em megabytes por segundo</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Pro&amp;xy:</source>
        <translation>Pro&amp;xy:</translation>
    </message>
    <message>
        <source>Proxy bitrate in megabits per second, or its format</source>
        <translation>Taxa de bits do proxy em megabits por segundo, ou o seu formato</translation>
    </message>
    <message>
        <source>Mbit/s</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Fo&amp;rmat…</source>
        <translation>&amp;Formato…</translation>
    </message>
    <message>
        <source>Choose the proxy&apos;s recording format</source>
        <translation>Escolher o formato de gravação do proxy</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totais</translation>
    </message>
    <message>
        <source>Gigabytes per day</source>
        <translation>Gigabytes por dia</translation>
    </message>
    <message>
        <source>Gigabytes for the shoot</source>
        <translation>Gigabytes para a gravação</translation>
    </message>
    <message>
        <source>Gigabytes with copies</source>
        <translation>Gigabytes com cópias</translation>
    </message>
    <message>
        <source>Gigabytes of proxies</source>
        <translation>Gigabytes de proxies</translation>
    </message>
    <message>
        <source>Gigabytes in all</source>
        <translation>Gigabytes no total</translation>
    </message>
    <message>
        <source>Drives needed</source>
        <translation>Discos necessários</translation>
    </message>
    <message>
        <source>Offload time per day, hours, minutes and seconds</source>
        <translation>Tempo de descarga por dia, horas, minutos e segundos</translation>
    </message>
    <message>
        <source>Ca&amp;meras (drop clips or a card&apos;s folder on a row to measure its bitrate):</source>
        <translation>Câ&amp;meras (arraste clipes ou a pasta de um cartão para uma linha para medir a taxa de bits):</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Câmeras</translation>
    </message>
    <message>
        <source>A row a camera: name, count, time per day and bitrate, then its megabits per second, gigabytes per day, cards per day, the time one card holds and gigabytes</source>
        <translation>Uma linha por câmera: nome, quantidade, tempo por dia e taxa de bits, depois seus megabits por segundo, gigabytes por dia, cartões por dia, o tempo que cabe em um cartão e gigabytes</translation>
    </message>
    <message>
        <source>&amp;Add Camera</source>
        <translation>Adicionar câme&amp;ra</translation>
    </message>
    <message>
        <source>R&amp;emove Camera</source>
        <translation>R&amp;emover câmera</translation>
    </message>
    <message>
        <source>Choose Forma&amp;t…</source>
        <translation>Escol&amp;her formato…</translation>
    </message>
    <message>
        <source>Fault of the plan</source>
        <translation>Erro do plano</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Câmera</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salvar c&amp;omo…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Exportar como &amp;CSV…</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Exportar como &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Remove Camera</source>
        <translation>Remo&amp;ver câmera</translation>
    </message>
    <message>
        <source>Choose &amp;Format…</source>
        <translation>Escolher &amp;formato…</translation>
    </message>
    <message>
        <source>&amp;Measure Clips…</source>
        <translation>&amp;Medir clipes…</translation>
    </message>
    <message>
        <source>Measure a Card F&amp;older…</source>
        <translation>Medir a &amp;pasta de um cartão…</translation>
    </message>
    <message>
        <source>Day len&amp;gth:</source>
        <translation>Duração da &amp;jornada:</translation>
    </message>
    <message>
        <source>Length of the shooting day, hours, minutes and seconds</source>
        <translation>Duração da jornada de filmagem, horas, minutos e segundos</translation>
    </message>
    <message>
        <source>The span of a shooting day, as 10:00:00; each camera records its time per day spread over it. Empty: no day planned</source>
        <translation>A duração de uma jornada de filmagem, como 10:00:00; cada câmera distribui nela seu tempo por dia. Vazio: nenhuma jornada planejada</translation>
    </message>
    <message>
        <source>&amp;Handoff:</source>
        <translation>Tempo de entre&amp;ga:</translation>
    </message>
    <message>
        <source>Handoff time to the offload station and back, hours, minutes and seconds</source>
        <translation>Tempo de entrega até a estação de descarga e de volta, horas, minutos e segundos</translation>
    </message>
    <message>
        <source>The time a full card takes to reach the offload station, and again to come back to its camera</source>
        <translation>O tempo que um cartão cheio leva para chegar à estação de descarga, e de novo para voltar à sua câmera</translation>
    </message>
    <message>
        <source>Card reader&amp;s:</source>
        <translation>&amp;Leitores de cartão:</translation>
    </message>
    <message>
        <source>Card readers at the offload station, 1 to 64</source>
        <translation>Leitores de cartão na estação de descarga, de 1 a 64</translation>
    </message>
    <message>
        <source>Cards offloaded at the same time, each at the offload speed</source>
        <translation>Cartões descarregados ao mesmo tempo, cada um na velocidade de descarga</translation>
    </message>
    <message>
        <source>Ver&amp;ify each card after its copy</source>
        <translation>Verificar cada cartão apó&amp;s a cópia</translation>
    </message>
    <message>
        <source>Each card is read a second time after its copy, so its offload takes twice as long</source>
        <translation>Cada cartão é lido uma segunda vez após a cópia, então sua descarga leva o dobro do tempo</translation>
    </message>
    <message>
        <source>Verify each card after its copy</source>
        <translation>Verificar cada cartão após a cópia</translation>
    </message>
    <message>
        <source>Cards to rent for all bodies</source>
        <translation>Cartões a alugar para todos os corpos</translation>
    </message>
    <message>
        <source>Offload done, from the start of the day</source>
        <translation>Descarga concluída, desde o início da jornada</translation>
    </message>
    <message>
        <source>Warning of the day</source>
        <translation>Aviso da jornada</translation>
    </message>
</context>
</TS>
