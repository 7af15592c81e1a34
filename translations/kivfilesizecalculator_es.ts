<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>KivClipChild</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Midiendo los clips…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Medición de clips</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Midiendo los clips</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Midiendo los clips… archivos leídos: %1</translation>
    </message>
</context>
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Incomplete Measure</source>
        <translation>Medición incompleta</translation>
    </message>
    <message>
        <source>Use the measured rate all the same?</source>
        <translation>¿Usar de todos modos la tasa medida?</translation>
    </message>
    <message>
        <source>Time left on this card at that rate: %1 (%2 GB free)</source>
        <translation>Tiempo restante en esta tarjeta a esa tasa: %1 (%2 GB libres)</translation>
    </message>
</context>
<context>
    <name>KivClipProcess</name>
    <message>
        <source>Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5</source>
        <translation>Medido a partir de clips (grabaciones: %1, archivos: %2, omitidos: %3): %4, %5</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Solo se pueden medir archivos y carpetas de este equipo; %1 no lo es.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips sent a line longer than 64 KiB. Nothing was changed.</source>
        <translation>La medición se detuvo: el lector de los clips envió una línea de más de 64 KiB. No se cambió nada.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>No se midió nada: %1</translation>
    </message>
    <message>
        <source>the reader of the clips could not run</source>
        <translation>el lector de los clips no pudo funcionar</translation>
    </message>
    <message>
        <source>not measured, for a reason not known here</source>
        <translation>no medido, por un motivo que aquí se desconoce</translation>
    </message>
    <message>
        <source>Nothing was changed: the reader of the clips sent figures that cannot be right.</source>
        <translation>No se cambió nada: el lector de los clips envió cifras que no pueden ser correctas.</translation>
    </message>
    <message>
        <source>Nothing was measured: the reader of the clips ended without a result.</source>
        <translation>No se midió nada: el lector de los clips terminó sin resultado.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed. Nothing was changed.</source>
        <translation>La medición se detuvo: el lector de los clips falló. No se cambió nada.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed on %1. Nothing was changed.</source>
        <translation>La medición se detuvo: el lector de los clips falló con %1. No se cambió nada.</translation>
    </message>
    <message>
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>Para medir clips hace falta kivfilesize, instalado junto a la calculadora; no se pudo iniciar %1.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitidos: %1</translation>
    </message>
    <message>
        <source>Incomplete: camera media that could not be measured is left out (%1 MB).</source>
        <translation>Incompleto: se excluyen medios de cámara que no se pudieron medir (%1 MB).</translation>
    </message>
</context>
<context>
    <name>KivClipReason</name>
    <message>
        <source>not a local file: only paths and file:// URLs of this machine can be measured</source>
        <translation>no es un archivo local: solo se pueden medir rutas y URL file:// de este equipo</translation>
    </message>
    <message>
        <source>empty path</source>
        <translation>ruta vacía</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe tal archivo o carpeta</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>no es ni un archivo normal ni una carpeta</translation>
    </message>
    <message>
        <source>symbolic link to a folder, not followed</source>
        <translation>enlace simbólico a una carpeta, no seguido</translation>
    </message>
    <message>
        <source>already counted</source>
        <translation>ya contado</translation>
    </message>
    <message>
        <source>no clip in this folder</source>
        <translation>no hay ningún clip en esta carpeta</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>archivo vacío</translation>
    </message>
    <message>
        <source>not a clip: no audio or video with a duration</source>
        <translation>no es un clip: no tiene audio ni vídeo con duración</translation>
    </message>
    <message>
        <source>not a clip: cut short</source>
        <translation>no es un clip: está cortado</translation>
    </message>
    <message>
        <source>not a clip: describes media kept in another file</source>
        <translation>no es un clip: describe medios guardados en otro archivo</translation>
    </message>
    <message>
        <source>not a clip: no usable duration</source>
        <translation>no es un clip: no tiene una duración utilizable</translation>
    </message>
    <message>
        <source>cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise</source>
        <translation>no se puede leer: su nombre no es UTF-8 y /proc no está montado para nombrarlo de otro modo</translation>
    </message>
    <message>
        <source>measuring clips needs libmediainfo0v5</source>
        <translation>para medir clips hace falta libmediainfo0v5</translation>
    </message>
    <message>
        <source>measuring clips needs seccomp filters to keep MediaInfoLib off the network</source>
        <translation>para medir clips hacen falta filtros seccomp que mantengan MediaInfoLib fuera de la red</translation>
    </message>
    <message>
        <source>camera original the reader cannot measure</source>
        <translation>original de cámara que el lector no puede medir</translation>
    </message>
    <message>
        <source>a link that loops</source>
        <translation>un enlace que forma un bucle</translation>
    </message>
    <message>
        <source>name too long for the system</source>
        <translation>nombre demasiado largo para el sistema</translation>
    </message>
    <message>
        <source>empty path in the list</source>
        <translation>ruta vacía en la lista</translation>
    </message>
    <message>
        <source>left out: its recording&apos;s main file cannot be measured</source>
        <translation>excluido: el archivo principal de su grabación no se puede medir</translation>
    </message>
</context>
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Calculadora de tamaño de archivo Kiv</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Calcular tasa de bits/tamaño de tarjeta/tiempo</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Tasa de bits en megabits por segundo</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Tamaño de tarjeta en gigabytes</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Tiempo de grabación en horas, minutos y segundos</translation>
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
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Convertir la tasa de bits en Mbit/s o MB/s</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Tasa de bits en megabytes por segundo</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Right-click for the bitrate of a recording format; drop clips on the window to measure theirs.</source>
        <translation>Clic derecho para la tasa de bits de un formato de grabación; arrastre clips a la ventana para medir la suya.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooser</name>
    <message>
        <source>target: what the encoder aims at; real files of simple pictures come in lower</source>
        <translation>objetivo: la tasa a la que apunta el codificador; los archivos reales de imágenes sencillas resultan menores</translation>
    </message>
    <message>
        <source>constant: the same size for every frame</source>
        <translation>constante: el mismo tamaño para cada fotograma</translation>
    </message>
    <message>
        <source>maximum: the most the mode records; averages come in lower</source>
        <translation>máximo: lo más que graba el modo; los promedios son menores</translation>
    </message>
    <message>
        <source>average: what a typical recording comes to</source>
        <translation>promedio: lo que da una grabación típica</translation>
    </message>
    <message>
        <source>Write the frame size as width x height, for example 1920x1080.</source>
        <translation>Escriba el tamaño de fotograma como ancho x alto, por ejemplo 1920x1080.</translation>
    </message>
    <message>
        <source>Write the frame rate as a number, for example 25 or 29.97, or as a fraction such as 30000/1001.</source>
        <translation>Escriba la velocidad de fotogramas como un número, por ejemplo 25 o 29,97, o como una fracción como 30000/1001.</translation>
    </message>
    <message>
        <source>%1 exists only at %2.</source>
        <translation>%1 solo existe en %2.</translation>
    </message>
    <message>
        <source>%1 Mbit/s, %2; %3.</source>
        <translation>%1 Mbit/s, %2; %3.</translation>
    </message>
    <message>
        <source>audio included</source>
        <translation>audio incluido</translation>
    </message>
    <message>
        <source>video only</source>
        <translation>solo vídeo</translation>
    </message>
    <message>
        <source>Scaled from %1 at %2 fps.</source>
        <translation>Escalado desde %1 a %2 fps.</translation>
    </message>
    <message>
        <source>Scaled from %1.</source>
        <translation>Escalado desde %1.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fuente: %1</translation>
    </message>
    <message>
        <source>approximate: the maker&apos;s rounded figure, neither a maximum nor an average</source>
        <translation>aproximada: la cifra redondeada del fabricante, ni un máximo ni una media</translation>
    </message>
    <message>
        <source>net: the rate of the video stream alone</source>
        <translation>neta: la tasa del flujo de vídeo solo</translation>
    </message>
    <message>
        <source>nominal: the rate the format is known by; its source says no more</source>
        <translation>nominal: la tasa por la que se conoce el formato; su fuente no dice más</translation>
    </message>
    <message>
        <source>Width and height must be 1 to %1 pixels.</source>
        <translation>El ancho y el alto deben ser de 1 a %1 píxeles.</translation>
    </message>
    <message>
        <source>%1 exists only at %2 frames per second.</source>
        <translation>%1 solo existe a %2 fotogramas por segundo.</translation>
    </message>
    <message>
        <source>%1, with alpha</source>
        <translation>%1, con alfa</translation>
    </message>
    <message>
        <source>%1, without alpha</source>
        <translation>%1, sin alfa</translation>
    </message>
    <message>
        <source>With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.</source>
        <translation>Con %1 canales de audio PCM de 24 bits a 48 kHz (%2 Mbit/s): %3 Mbit/s.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooserClass</name>
    <message>
        <source>Bitrate of a Recording Format</source>
        <translation>Tasa de bits de un formato de grabación</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Familia:</translation>
    </message>
    <message>
        <source>Family of recording formats</source>
        <translation>Familia de formatos de grabación</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Formato de grabación</translation>
    </message>
    <message>
        <source>Frame &amp;size:</source>
        <translation>&amp;Tamaño de fotograma:</translation>
    </message>
    <message>
        <source>Frame size in pixels, width by height</source>
        <translation>Tamaño de fotograma en píxeles, ancho por alto</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>&amp;Velocidad de fotogramas:</translation>
    </message>
    <message>
        <source>Frame rate in frames per second</source>
        <translation>Velocidad de fotogramas en fotogramas por segundo</translation>
    </message>
    <message>
        <source>Bitrate of the chosen format</source>
        <translation>Tasa de bits del formato elegido</translation>
    </message>
    <message>
        <source>Faults in formats files</source>
        <translation>Errores en los archivos de formatos</translation>
    </message>
    <message>
        <source>&amp;Audio:</source>
        <translation>&amp;Audio:</translation>
    </message>
    <message>
        <source>Audio recorded beside the video, 24-bit 48 kHz PCM</source>
        <translation>Audio grabado junto al vídeo, PCM de 24 bits a 48 kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>2 channels</source>
        <translation>2 canales</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 canales</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 canales</translation>
    </message>
</context>
<context>
    <name>KivFormatMenu</name>
    <message>
        <source>Bitrate of a recording format…</source>
        <translation>Tasa de bits de un formato de grabación…</translation>
    </message>
    <message>
        <source>Plan a shoot…</source>
        <translation>Planificar un rodaje…</translation>
    </message>
    <message>
        <source>Free space of a mounted card…</source>
        <translation>Espacio libre de una tarjeta montada…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1: %2 GB free of %3 GB</source>
        <translation>%1: %2 GB libres de %3 GB</translation>
    </message>
    <message>
        <source>Free Space of a Card</source>
        <translation>Espacio libre de una tarjeta</translation>
    </message>
    <message>
        <source>No mounted volume was found.</source>
        <translation>No se encontró ningún volumen montado.</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Volumen:</translation>
    </message>
</context>
<context>
    <name>KivPlanCameraModel</name>
    <message>
        <source>%1 audio channels</source>
        <translation>%1 canales de audio</translation>
    </message>
    <message>
        <source>audio %1</source>
        <translation>audio %1</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Clips: %1</source>
        <translation>Clips: %1</translation>
    </message>
    <message>
        <source>Measuring clips…</source>
        <translation>Midiendo los clips…</translation>
    </message>
</context>
<context>
    <name>KivPlanDocument</name>
    <message>
        <source>Camera %1</source>
        <translation>Cámara %1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Cámara %1, %2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Elegir formato</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Medir clips</translation>
    </message>
    <message>
        <source>Add Camera</source>
        <translation>Añadir cámara</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Quitar cámara</translation>
    </message>
    <message>
        <source>%1 (measuring its clips…)</source>
        <translation>%1 (midiendo sus clips…)</translation>
    </message>
    <message>
        <source>%1 (no bitrate yet)</source>
        <translation>%1 (aún sin tasa de bits)</translation>
    </message>
    <message>
        <source>The totals leave out %1.</source>
        <translation>Los totales no incluyen %1.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 más</translation>
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
        <translation>Días</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
    <message>
        <source>Drive size</source>
        <translation>Tamaño de disco</translation>
    </message>
    <message>
        <source>Offload speed</source>
        <translation>Velocidad de descarga</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>line %1, column %2: not a plan file (%3)</source>
        <translation>línea %1, columna %2: no es un archivo de plan (%3)</translation>
    </message>
    <message>
        <source>not a plan file</source>
        <translation>no es un archivo de plan</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not read</source>
        <translation>más de %1 MiB; no se leyó</translation>
    </message>
    <message>
        <source>a folder, not a plan file</source>
        <translation>una carpeta, no un archivo de plan</translation>
    </message>
    <message>
        <source>not a regular file; not read</source>
        <translation>no es un archivo normal; no se leyó</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>no se puede escribir (%1)</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>debe ser un número de %1 a %2</translation>
    </message>
    <message>
        <source>a plan has 1 to %1 cameras</source>
        <translation>un plan tiene de 1 a %1 cámaras</translation>
    </message>
    <message>
        <source>%1 cannot be read as a time (%2)</source>
        <translation>%1 no se puede leer como tiempo (%2)</translation>
    </message>
    <message>
        <source>%1 is longer than a day (%2)</source>
        <translation>%1 es más de un día (%2)</translation>
    </message>
    <message>
        <source>no bitrate yet</source>
        <translation>aún sin tasa de bits</translation>
    </message>
    <message>
        <source>the frame rate must be from %1 to %2 frames per second</source>
        <translation>la frecuencia de fotogramas debe ir de %1 a %2 fotogramas por segundo</translation>
    </message>
    <message>
        <source>the format cannot be used (%1)</source>
        <translation>el formato no se puede usar (%1)</translation>
    </message>
    <message>
        <source>the figure of %1 includes its audio already</source>
        <translation>la cifra de %1 ya incluye su audio</translation>
    </message>
    <message>
        <source>the clips were not measured (%1)</source>
        <translation>los clips no se midieron (%1)</translation>
    </message>
    <message>
        <source>the clips are being measured</source>
        <translation>se están midiendo los clips</translation>
    </message>
    <message>
        <source>a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2</source>
        <translation>una tasa de %1 Mbit/s no se puede planificar; debe ser mayor que 0 y como mucho %2</translation>
    </message>
    <message>
        <source>at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is</source>
        <translation>a %1 Mbit/s una tarjeta de %2 %3 dura más de %4, el tiempo más largo que existe</translation>
    </message>
    <message>
        <source>at %1 MB/s a day&apos;s %2 %3 take longer than %4, the longest time there is</source>
        <translation>a %1 MB/s los %2 %3 de un día tardan más de %4, el tiempo más largo que existe</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Duración de la jornada</translation>
    </message>
    <message>
        <source>Handoff</source>
        <translation>Tiempo de entrega</translation>
    </message>
    <message>
        <source>Card readers</source>
        <translation>Lectores de tarjetas</translation>
    </message>
    <message>
        <source>a day of 00:00:00 plans nothing; give its length, as 10:00:00</source>
        <translation>una jornada de 00:00:00 no planifica nada; indique su duración, como 10:00:00</translation>
    </message>
    <message>
        <source>missing; the day length plans cards and their offload, give it</source>
        <translation>falta; la duración de la jornada planifica las tarjetas y su descarga, indíquelo</translation>
    </message>
    <message>
        <source>%1 is longer than the day length %2</source>
        <translation>%1 es más largo que la duración de la jornada %2</translation>
    </message>
    <message>
        <source>fills %1 cards a day per body; a day is planned for at most %2</source>
        <translation>llena %1 tarjetas al día por cuerpo; una jornada se planifica para %2 como máximo</translation>
    </message>
</context>
<context>
    <name>KivPlanReport</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>Storage budget: %1</source>
        <translation>Presupuesto de almacenamiento: %1</translation>
    </message>
    <message>
        <source>Days: %1</source>
        <translation>Días: %1</translation>
    </message>
    <message>
        <source>Copies: %1</source>
        <translation>Copias: %1</translation>
    </message>
    <message>
        <source>Cards of %1 %2</source>
        <translation>Tarjetas de %1 %2</translation>
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
        <translation>Calculadora de tamaño de archivo Kiv, %1</translation>
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
        <translation>Días</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copias</translation>
    </message>
    <message>
        <source>Card size (%1)</source>
        <translation>Tamaño de tarjeta (%1)</translation>
    </message>
    <message>
        <source>Drive size (%1)</source>
        <translation>Tamaño de disco (%1)</translation>
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
        <translation>Nota</translation>
    </message>
    <message>
        <source>A cell that starts with =, +, -, @, a tab or a carriage return starts with &apos; here, so that it is not a formula</source>
        <translation>Una celda que empieza por =, +, -, @, un tabulador o un retorno de carro empieza aquí por &apos;, para que no sea una fórmula</translation>
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
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Time per day</source>
        <translation>Tiempo por día</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Mbit/s per body</source>
        <translation>Mbit/s por cuerpo</translation>
    </message>
    <message>
        <source>%1 per day</source>
        <translation>%1 por día</translation>
    </message>
    <message>
        <source>Cards per body a day</source>
        <translation>Tarjetas por cuerpo al día</translation>
    </message>
    <message>
        <source>Card time</source>
        <translation>Tiempo por tarjeta</translation>
    </message>
    <message>
        <source>%1 for the shoot</source>
        <translation>%1 para el rodaje</translation>
    </message>
    <message>
        <source>%1 with copies</source>
        <translation>%1 con copias</translation>
    </message>
    <message>
        <source>%1 of proxies</source>
        <translation>%1 de proxies</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 en total</translation>
    </message>
    <message>
        <source>Cards a day, all bodies</source>
        <translation>Tarjetas al día, todos los cuerpos</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Discos</translation>
    </message>
    <message>
        <source>Offload per day</source>
        <translation>Descarga por día</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cards per body</source>
        <translation>Tarjetas por cuerpo</translation>
    </message>
    <message>
        <source>Cards to rent</source>
        <translation>Tarjetas que alquilar</translation>
    </message>
    <message>
        <source>Offload done</source>
        <translation>Descarga terminada</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>the offload does not finish before the next day</source>
        <translation>la descarga no termina antes del día siguiente</translation>
    </message>
    <message>
        <source>%1 (%2 after wrap), %3, %4</source>
        <translation>%1 (%2 tras el final del rodaje), %3, %4</translation>
    </message>
    <message>
        <source>1 reader</source>
        <translation>1 lector</translation>
    </message>
    <message>
        <source>%1 readers</source>
        <translation>%1 lectores</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificado</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>sin verificar</translation>
    </message>
</context>
<context>
    <name>KivPlanner</name>
    <message>
        <source>measuring was cancelled</source>
        <translation>la medición se canceló</translation>
    </message>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planificar un rodaje</translation>
    </message>
    <message>
        <source>%1[*] – Plan a Shoot</source>
        <translation>%1[*] – Planificar un rodaje</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Abrir plan</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Planes (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Guardar plan</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Planes (*.json)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Exportar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The plan was not opened: %1</source>
        <translation>El plan no se abrió: %1</translation>
    </message>
    <message>
        <source>The plan was not saved: %1</source>
        <translation>El plan no se guardó: %1</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>No se exportó nada: %1</translation>
    </message>
    <message>
        <source>untitled plan</source>
        <translation>plan sin título</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved. Save them?</source>
        <translation>El plan tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Medir clips</translation>
    </message>
    <message>
        <source>Measure a Card Folder</source>
        <translation>Medir la carpeta de una tarjeta</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>no medido</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Edició&amp;n</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>KivPlannerClass</name>
    <message>
        <source>Plan a Shoot</source>
        <translation>Planificar un rodaje</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Rodaje</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unidades:</translation>
    </message>
    <message>
        <source>Units of a gigabyte</source>
        <translation>Unidades de un gigabyte</translation>
    </message>
    <message>
        <source>GB of 1024 MB, as the calculator counts</source>
        <translation>GB de 1024 MB, como cuenta la calculadora</translation>
    </message>
    <message>
        <source>GB of 10^9 bytes, as card labels count</source>
        <translation>GB de 10^9 bytes, como cuentan las etiquetas de las tarjetas</translation>
    </message>
    <message>
        <source>GiB of 2^30 bytes, as systems show a card</source>
        <translation>GiB de 2^30 bytes, como los sistemas muestran una tarjeta</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Días:</translation>
    </message>
    <message>
        <source>Days of shooting</source>
        <translation>Días de rodaje</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>C&amp;opias:</translation>
    </message>
    <message>
        <source>Copies kept of the camera files</source>
        <translation>Copias que se guardan de los archivos de cámara</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>&amp;Tamaño de tarjeta:</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Tamaño de tarjeta en gigabytes</translation>
    </message>
    <message>
        <source>Dri&amp;ve size:</source>
        <translation>Tamaño de d&amp;isco:</translation>
    </message>
    <message>
        <source>Drive size in gigabytes</source>
        <translation>Tamaño del disco en gigabytes</translation>
    </message>
    <message>
        <source>Off&amp;load speed:</source>
        <translation>&amp;Velocidad de descarga:</translation>
    </message>
    <message>
        <source>Offload speed in megabytes per second</source>
        <translation>Velocidad de descarga en megabytes por segundo</translation>
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
        <translation>Tasa de bits del proxy en megabits por segundo, o su formato</translation>
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
        <translation>Elegir el formato de grabación del proxy</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Gigabytes per day</source>
        <translation>Gigabytes por día</translation>
    </message>
    <message>
        <source>Gigabytes for the shoot</source>
        <translation>Gigabytes para el rodaje</translation>
    </message>
    <message>
        <source>Gigabytes with copies</source>
        <translation>Gigabytes con copias</translation>
    </message>
    <message>
        <source>Gigabytes of proxies</source>
        <translation>Gigabytes de proxies</translation>
    </message>
    <message>
        <source>Gigabytes in all</source>
        <translation>Gigabytes en total</translation>
    </message>
    <message>
        <source>Drives needed</source>
        <translation>Discos necesarios</translation>
    </message>
    <message>
        <source>Offload time per day, hours, minutes and seconds</source>
        <translation>Tiempo de descarga por día, horas, minutos y segundos</translation>
    </message>
    <message>
        <source>Ca&amp;meras (drop clips or a card&apos;s folder on a row to measure its bitrate):</source>
        <translation>Cá&amp;maras (arrastre clips o la carpeta de una tarjeta a una fila para medir su tasa de bits):</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>A row a camera: name, count, time per day and bitrate, then its megabits per second, gigabytes per day, cards per day, the time one card holds and gigabytes</source>
        <translation>Una fila por cámara: nombre, número, tiempo por día y tasa de bits, y después sus megabits por segundo, gigabytes por día, tarjetas por día, el tiempo que cabe en una tarjeta y gigabytes</translation>
    </message>
    <message>
        <source>&amp;Add Camera</source>
        <translation>Añadi&amp;r cámara</translation>
    </message>
    <message>
        <source>R&amp;emove Camera</source>
        <translation>&amp;Quitar cámara</translation>
    </message>
    <message>
        <source>Choose Forma&amp;t…</source>
        <translation>&amp;Elegir formato…</translation>
    </message>
    <message>
        <source>Fault of the plan</source>
        <translation>Error del plan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Cámara</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>G&amp;uardar como…</translation>
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
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Remove Camera</source>
        <translation>&amp;Quitar cámara</translation>
    </message>
    <message>
        <source>Choose &amp;Format…</source>
        <translation>Elegir &amp;formato…</translation>
    </message>
    <message>
        <source>&amp;Measure Clips…</source>
        <translation>&amp;Medir clips…</translation>
    </message>
    <message>
        <source>Measure a Card F&amp;older…</source>
        <translation>Medir la &amp;carpeta de una tarjeta…</translation>
    </message>
    <message>
        <source>Day len&amp;gth:</source>
        <translation>Duración de la &amp;jornada:</translation>
    </message>
    <message>
        <source>Length of the shooting day, hours, minutes and seconds</source>
        <translation>Duración de la jornada de rodaje, horas, minutos y segundos</translation>
    </message>
    <message>
        <source>The span of a shooting day, as 10:00:00; each camera records its time per day spread over it. Empty: no day planned</source>
        <translation>La duración de una jornada de rodaje, como 10:00:00; cada cámara reparte en ella su tiempo por día. Vacío: ninguna jornada planificada</translation>
    </message>
    <message>
        <source>&amp;Handoff:</source>
        <translation>Tiempo de entre&amp;ga:</translation>
    </message>
    <message>
        <source>Handoff time to the offload station and back, hours, minutes and seconds</source>
        <translation>Tiempo de entrega a la estación de descarga y de vuelta, horas, minutos y segundos</translation>
    </message>
    <message>
        <source>The time a full card takes to reach the offload station, and again to come back to its camera</source>
        <translation>El tiempo que tarda una tarjeta llena en llegar a la estación de descarga, y otra vez en volver a su cámara</translation>
    </message>
    <message>
        <source>Card reader&amp;s:</source>
        <translation>&amp;Lectores de tarjetas:</translation>
    </message>
    <message>
        <source>Card readers at the offload station, 1 to 64</source>
        <translation>Lectores de tarjetas en la estación de descarga, de 1 a 64</translation>
    </message>
    <message>
        <source>Cards offloaded at the same time, each at the offload speed</source>
        <translation>Tarjetas descargadas a la vez, cada una a la velocidad de descarga</translation>
    </message>
    <message>
        <source>Ver&amp;ify each card after its copy</source>
        <translation>Verificar cada tarjeta des&amp;pués de copiarla</translation>
    </message>
    <message>
        <source>Each card is read a second time after its copy, so its offload takes twice as long</source>
        <translation>Cada tarjeta se lee una segunda vez tras su copia, así que su descarga tarda el doble</translation>
    </message>
    <message>
        <source>Verify each card after its copy</source>
        <translation>Verificar cada tarjeta después de copiarla</translation>
    </message>
    <message>
        <source>Cards to rent for all bodies</source>
        <translation>Tarjetas que alquilar para todos los cuerpos</translation>
    </message>
    <message>
        <source>Offload done, from the start of the day</source>
        <translation>Descarga terminada, desde el inicio de la jornada</translation>
    </message>
    <message>
        <source>Warning of the day</source>
        <translation>Aviso de la jornada</translation>
    </message>
</context>
</TS>
