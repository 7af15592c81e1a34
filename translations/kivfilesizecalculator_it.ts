<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>KivClipChild</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Misurazione dei clip…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Misurazione dei clip</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Misurazione dei clip</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Misurazione dei clip… file letti: %1</translation>
    </message>
</context>
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Incomplete Measure</source>
        <translation>Misurazione incompleta</translation>
    </message>
    <message>
        <source>Use the measured rate all the same?</source>
        <translation>Usare comunque la velocità misurata?</translation>
    </message>
    <message>
        <source>Time left on this card at that rate: %1 (%2 GB free)</source>
        <translation>Tempo rimanente su questa scheda a quella velocità: %1 (%2 GB liberi)</translation>
    </message>
</context>
<context>
    <name>KivClipProcess</name>
    <message>
        <source>Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5</source>
        <translation>Misurato dai clip (registrazioni: %1, file: %2, saltati: %3): %4, %5</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Si possono misurare solo file e cartelle di questo computer; %1 non lo è.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips sent a line longer than 64 KiB. Nothing was changed.</source>
        <translation>La misurazione si è interrotta: il lettore dei clip ha inviato una riga più lunga di 64 KiB. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>Non è stato misurato nulla: %1</translation>
    </message>
    <message>
        <source>the reader of the clips could not run</source>
        <translation>il lettore dei clip non ha potuto funzionare</translation>
    </message>
    <message>
        <source>not measured, for a reason not known here</source>
        <translation>non misurato, per un motivo qui sconosciuto</translation>
    </message>
    <message>
        <source>Nothing was changed: the reader of the clips sent figures that cannot be right.</source>
        <translation>Non è stato cambiato nulla: il lettore dei clip ha inviato valori che non possono essere giusti.</translation>
    </message>
    <message>
        <source>Nothing was measured: the reader of the clips ended without a result.</source>
        <translation>Non è stato misurato nulla: il lettore dei clip è terminato senza risultato.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed. Nothing was changed.</source>
        <translation>La misurazione si è interrotta: il lettore dei clip non è riuscito. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed on %1. Nothing was changed.</source>
        <translation>La misurazione si è interrotta: il lettore dei clip non è riuscito a leggere %1. Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>Per misurare i clip serve kivfilesize, installato accanto al calcolatore; non è stato possibile avviare %1.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Saltati: %1</translation>
    </message>
    <message>
        <source>Incomplete: camera media that could not be measured is left out (%1 MB).</source>
        <translation>Incompleto: i media della videocamera che non è stato possibile misurare sono esclusi (%1 MB).</translation>
    </message>
</context>
<context>
    <name>KivClipReason</name>
    <message>
        <source>not a local file: only paths and file:// URLs of this machine can be measured</source>
        <translation>non è un file locale: si possono misurare solo percorsi e URL file:// di questo computer</translation>
    </message>
    <message>
        <source>empty path</source>
        <translation>percorso vuoto</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>file o cartella inesistente</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>né un file normale né una cartella</translation>
    </message>
    <message>
        <source>symbolic link to a folder, not followed</source>
        <translation>collegamento simbolico a una cartella, non seguito</translation>
    </message>
    <message>
        <source>already counted</source>
        <translation>già contato</translation>
    </message>
    <message>
        <source>no clip in this folder</source>
        <translation>nessun clip in questa cartella</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>file vuoto</translation>
    </message>
    <message>
        <source>not a clip: no audio or video with a duration</source>
        <translation>non è un clip: nessun audio o video con una durata</translation>
    </message>
    <message>
        <source>not a clip: cut short</source>
        <translation>non è un clip: troncato</translation>
    </message>
    <message>
        <source>not a clip: describes media kept in another file</source>
        <translation>non è un clip: descrive media conservati in un altro file</translation>
    </message>
    <message>
        <source>not a clip: no usable duration</source>
        <translation>non è un clip: nessuna durata utilizzabile</translation>
    </message>
    <message>
        <source>cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise</source>
        <translation>non può essere letto: il nome non è UTF-8 e /proc non è montato per nominarlo diversamente</translation>
    </message>
    <message>
        <source>measuring clips needs libmediainfo0v5</source>
        <translation>per misurare i clip serve libmediainfo0v5</translation>
    </message>
    <message>
        <source>measuring clips needs seccomp filters to keep MediaInfoLib off the network</source>
        <translation>per misurare i clip servono filtri seccomp che tengano MediaInfoLib lontano dalla rete</translation>
    </message>
    <message>
        <source>camera original the reader cannot measure</source>
        <translation>originale della videocamera che il lettore non può misurare</translation>
    </message>
    <message>
        <source>a link that loops</source>
        <translation>un collegamento che forma un ciclo</translation>
    </message>
    <message>
        <source>name too long for the system</source>
        <translation>nome troppo lungo per il sistema</translation>
    </message>
    <message>
        <source>empty path in the list</source>
        <translation>percorso vuoto nell&apos;elenco</translation>
    </message>
    <message>
        <source>left out: its recording&apos;s main file cannot be measured</source>
        <translation>escluso: il file principale della sua registrazione non può essere misurato</translation>
    </message>
</context>
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Calcolatore di dimensione file Kiv</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Calcola bitrate/dimensione scheda/durata</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Bitrate in megabit al secondo</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Dimensione scheda</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Dimensione scheda in gigabyte</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Durata di registrazione in ore, minuti e secondi</translation>
    </message>
    <message>
        <source>Hours:Minutes:Seconds</source>
        <translation>ore:minuti:secondi</translation>
    </message>
    <message>
        <source>Mbits/sec</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Converti il bitrate in Mbit/s o MB/s</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Bitrate in megabyte al secondo</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Right-click for the bitrate of a recording format; drop clips on the window to measure theirs.</source>
        <translation>Clic destro per il bitrate di un formato di registrazione; trascina clip sulla finestra per misurare il loro.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooser</name>
    <message>
        <source>target: what the encoder aims at; real files of simple pictures come in lower</source>
        <translation>obiettivo: il bitrate a cui mira il codificatore; i file reali con immagini semplici risultano più piccoli</translation>
    </message>
    <message>
        <source>constant: the same size for every frame</source>
        <translation>costante: la stessa dimensione per ogni fotogramma</translation>
    </message>
    <message>
        <source>maximum: the most the mode records; averages come in lower</source>
        <translation>massimo: il massimo che la modalità registra; le medie sono più basse</translation>
    </message>
    <message>
        <source>average: what a typical recording comes to</source>
        <translation>media: ciò che dà una registrazione tipica</translation>
    </message>
    <message>
        <source>Write the frame size as width x height, for example 1920x1080.</source>
        <translation>Scrivi la dimensione del fotogramma come larghezza x altezza, per esempio 1920x1080.</translation>
    </message>
    <message>
        <source>Write the frame rate as a number, for example 25 or 29.97, or as a fraction such as 30000/1001.</source>
        <translation>Scrivi la frequenza dei fotogrammi come numero, per esempio 25 o 29,97, o come frazione, per esempio 30000/1001.</translation>
    </message>
    <message>
        <source>%1 exists only at %2.</source>
        <translation>%1 esiste solo in %2.</translation>
    </message>
    <message>
        <source>%1 Mbit/s, %2; %3.</source>
        <translation>%1 Mbit/s, %2; %3.</translation>
    </message>
    <message>
        <source>audio included</source>
        <translation>audio incluso</translation>
    </message>
    <message>
        <source>video only</source>
        <translation>solo video</translation>
    </message>
    <message>
        <source>Scaled from %1 at %2 fps.</source>
        <translation>Scalato da %1 a %2 fps.</translation>
    </message>
    <message>
        <source>Scaled from %1.</source>
        <translation>Scalato da %1.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Fonte: %1</translation>
    </message>
    <message>
        <source>approximate: the maker&apos;s rounded figure, neither a maximum nor an average</source>
        <translation>approssimativo: il valore arrotondato del produttore, né un massimo né una media</translation>
    </message>
    <message>
        <source>net: the rate of the video stream alone</source>
        <translation>netto: il bitrate del solo flusso video</translation>
    </message>
    <message>
        <source>nominal: the rate the format is known by; its source says no more</source>
        <translation>nominale: il bitrate con cui il formato è noto; la sua fonte non dice altro</translation>
    </message>
    <message>
        <source>Width and height must be 1 to %1 pixels.</source>
        <translation>Larghezza e altezza devono essere da 1 a %1 pixel.</translation>
    </message>
    <message>
        <source>%1 exists only at %2 frames per second.</source>
        <translation>%1 esiste solo a %2 fotogrammi al secondo.</translation>
    </message>
    <message>
        <source>%1, with alpha</source>
        <translation>%1, con alfa</translation>
    </message>
    <message>
        <source>%1, without alpha</source>
        <translation>%1, senza alfa</translation>
    </message>
    <message>
        <source>With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.</source>
        <translation>Con %1 canali audio PCM a 24 bit e 48 kHz (%2 Mbit/s): %3 Mbit/s.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooserClass</name>
    <message>
        <source>Bitrate of a Recording Format</source>
        <translation>Bitrate di un formato di registrazione</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Famiglia:</translation>
    </message>
    <message>
        <source>Family of recording formats</source>
        <translation>Famiglia di formati di registrazione</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormato:</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Formato di registrazione</translation>
    </message>
    <message>
        <source>Frame &amp;size:</source>
        <translation>&amp;Dimensione fotogramma:</translation>
    </message>
    <message>
        <source>Frame size in pixels, width by height</source>
        <translation>Dimensione del fotogramma in pixel, larghezza per altezza</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>F&amp;requenza fotogrammi:</translation>
    </message>
    <message>
        <source>Frame rate in frames per second</source>
        <translation>Frequenza dei fotogrammi in fotogrammi al secondo</translation>
    </message>
    <message>
        <source>Bitrate of the chosen format</source>
        <translation>Bitrate del formato scelto</translation>
    </message>
    <message>
        <source>Faults in formats files</source>
        <translation>Errori nei file dei formati</translation>
    </message>
    <message>
        <source>&amp;Audio:</source>
        <translation>&amp;Audio:</translation>
    </message>
    <message>
        <source>Audio recorded beside the video, 24-bit 48 kHz PCM</source>
        <translation>Audio registrato insieme al video, PCM a 24 bit e 48 kHz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>2 channels</source>
        <translation>2 canali</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 canali</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 canali</translation>
    </message>
</context>
<context>
    <name>KivFormatMenu</name>
    <message>
        <source>Bitrate of a recording format…</source>
        <translation>Bitrate di un formato di registrazione…</translation>
    </message>
    <message>
        <source>Plan a shoot…</source>
        <translation>Pianifica le riprese…</translation>
    </message>
    <message>
        <source>Free space of a mounted card…</source>
        <translation>Spazio libero di una scheda montata…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1: %2 GB free of %3 GB</source>
        <translation>%1: %2 GB liberi su %3 GB</translation>
    </message>
    <message>
        <source>Free Space of a Card</source>
        <translation>Spazio libero di una scheda</translation>
    </message>
    <message>
        <source>No mounted volume was found.</source>
        <translation>Non è stato trovato alcun volume montato.</translation>
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
        <translation>%1 canali audio</translation>
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
        <translation>Clip: %1</translation>
    </message>
    <message>
        <source>Measuring clips…</source>
        <translation>Misurazione dei clip…</translation>
    </message>
</context>
<context>
    <name>KivPlanDocument</name>
    <message>
        <source>Camera %1</source>
        <translation>Videocamera %1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Videocamera %1, %2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Digitazione</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Scegli formato</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Misura i clip</translation>
    </message>
    <message>
        <source>Add Camera</source>
        <translation>Aggiungi videocamera</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Rimuovi videocamera</translation>
    </message>
    <message>
        <source>%1 (measuring its clips…)</source>
        <translation>%1 (misurazione dei clip…)</translation>
    </message>
    <message>
        <source>%1 (no bitrate yet)</source>
        <translation>%1 (ancora senza bitrate)</translation>
    </message>
    <message>
        <source>The totals leave out %1.</source>
        <translation>I totali escludono %1.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>altre %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
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
        <translation>Unità</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Dimensione scheda</translation>
    </message>
    <message>
        <source>Drive size</source>
        <translation>Dimensione disco</translation>
    </message>
    <message>
        <source>Offload speed</source>
        <translation>Velocità di scarico</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Videocamere</translation>
    </message>
    <message>
        <source>line %1, column %2: not a plan file (%3)</source>
        <translation>riga %1, colonna %2: non è un file di piano (%3)</translation>
    </message>
    <message>
        <source>not a plan file</source>
        <translation>non è un file di piano</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not read</source>
        <translation>più di %1 MiB; non letto</translation>
    </message>
    <message>
        <source>a folder, not a plan file</source>
        <translation>una cartella, non un file di piano</translation>
    </message>
    <message>
        <source>not a regular file; not read</source>
        <translation>non è un file normale; non letto</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>non si può leggere (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>non si può scrivere (%1)</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>deve essere un numero da %1 a %2</translation>
    </message>
    <message>
        <source>a plan has 1 to %1 cameras</source>
        <translation>un piano ha da 1 a %1 videocamere</translation>
    </message>
    <message>
        <source>%1 cannot be read as a time (%2)</source>
        <translation>%1 non si legge come durata (%2)</translation>
    </message>
    <message>
        <source>%1 is longer than a day (%2)</source>
        <translation>%1 supera un giorno (%2)</translation>
    </message>
    <message>
        <source>no bitrate yet</source>
        <translation>ancora senza bitrate</translation>
    </message>
    <message>
        <source>the frame rate must be from %1 to %2 frames per second</source>
        <translation>la frequenza deve essere da %1 a %2 fotogrammi al secondo</translation>
    </message>
    <message>
        <source>the format cannot be used (%1)</source>
        <translation>il formato non si può usare (%1)</translation>
    </message>
    <message>
        <source>the figure of %1 includes its audio already</source>
        <translation>il valore di %1 include già l’audio</translation>
    </message>
    <message>
        <source>the clips were not measured (%1)</source>
        <translation>i clip non sono stati misurati (%1)</translation>
    </message>
    <message>
        <source>the clips are being measured</source>
        <translation>misurazione dei clip in corso</translation>
    </message>
    <message>
        <source>a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2</source>
        <translation>un bitrate di %1 Mbit/s non si può pianificare; deve essere sopra 0 e al massimo %2</translation>
    </message>
    <message>
        <source>at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is</source>
        <translation>a %1 Mbit/s una scheda da %2 %3 dura più di %4, il tempo più lungo che esista</translation>
    </message>
    <message>
        <source>at %1 MB/s a day&apos;s %2 %3 take longer than %4, the longest time there is</source>
        <translation>a %1 MB/s i %2 %3 di un giorno richiedono più di %4, il tempo più lungo che esista</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Durata della giornata</translation>
    </message>
    <message>
        <source>Handoff</source>
        <translation>Tempo di passaggio</translation>
    </message>
    <message>
        <source>Card readers</source>
        <translation>Lettori di schede</translation>
    </message>
    <message>
        <source>a day of 00:00:00 plans nothing; give its length, as 10:00:00</source>
        <translation>una giornata di 00:00:00 non pianifica nulla; indicarne la durata, come 10:00:00</translation>
    </message>
    <message>
        <source>missing; the day length plans cards and their offload, give it</source>
        <translation>mancante; la durata della giornata pianifica le schede e il loro scarico, indicarlo</translation>
    </message>
    <message>
        <source>%1 is longer than the day length %2</source>
        <translation>%1 è più lungo della durata della giornata %2</translation>
    </message>
    <message>
        <source>fills %1 cards a day per body; a day is planned for at most %2</source>
        <translation>riempie %1 schede al giorno per corpo; una giornata si pianifica per al massimo %2</translation>
    </message>
</context>
<context>
    <name>KivPlanReport</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>impossibile scrivere %1 (%2)</translation>
    </message>
    <message>
        <source>Storage budget: %1</source>
        <translation>Budget di archiviazione: %1</translation>
    </message>
    <message>
        <source>Days: %1</source>
        <translation>Giorni: %1</translation>
    </message>
    <message>
        <source>Copies: %1</source>
        <translation>Copie: %1</translation>
    </message>
    <message>
        <source>Cards of %1 %2</source>
        <translation>Schede da %1 %2</translation>
    </message>
    <message>
        <source>Drives of %1 %2</source>
        <translation>Dischi da %1 %2</translation>
    </message>
    <message>
        <source>Offload at %1 MB/s</source>
        <translation>Scarico a %1 MB/s</translation>
    </message>
    <message>
        <source>Proxy: %1</source>
        <translation>Proxy: %1</translation>
    </message>
    <message>
        <source>Kiv File Size Calculator, %1</source>
        <translation>Calcolatore di dimensione file Kiv, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Copie</translation>
    </message>
    <message>
        <source>Card size (%1)</source>
        <translation>Dimensione scheda (%1)</translation>
    </message>
    <message>
        <source>Drive size (%1)</source>
        <translation>Dimensione disco (%1)</translation>
    </message>
    <message>
        <source>Offload (MB/s)</source>
        <translation>Scaricamento (MB/s)</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Counted as</source>
        <translation>Contato come</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>A cell that starts with =, +, -, @, a tab or a carriage return starts with &apos; here, so that it is not a formula</source>
        <translation>Una cella che inizia con =, +, -, @, una tabulazione o un ritorno a capo inizia qui con &apos;, perché non sia una formula</translation>
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
        <translation>Videocamera</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Time per day</source>
        <translation>Durata al giorno</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Mbit/s per body</source>
        <translation>Mbit/s per corpo</translation>
    </message>
    <message>
        <source>%1 per day</source>
        <translation>%1 al giorno</translation>
    </message>
    <message>
        <source>Cards per body a day</source>
        <translation>Schede per corpo al giorno</translation>
    </message>
    <message>
        <source>Card time</source>
        <translation>Durata per scheda</translation>
    </message>
    <message>
        <source>%1 for the shoot</source>
        <translation>%1 per le riprese</translation>
    </message>
    <message>
        <source>%1 with copies</source>
        <translation>%1 con le copie</translation>
    </message>
    <message>
        <source>%1 of proxies</source>
        <translation>%1 di proxy</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 in tutto</translation>
    </message>
    <message>
        <source>Cards a day, all bodies</source>
        <translation>Schede al giorno, tutti i corpi</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Dischi</translation>
    </message>
    <message>
        <source>Offload per day</source>
        <translation>Scarico al giorno</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cards per body</source>
        <translation>Schede per corpo</translation>
    </message>
    <message>
        <source>Cards to rent</source>
        <translation>Schede da noleggiare</translation>
    </message>
    <message>
        <source>Offload done</source>
        <translation>Scarico finito</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>the offload does not finish before the next day</source>
        <translation>lo scarico non finisce prima del giorno dopo</translation>
    </message>
    <message>
        <source>%1 (%2 after wrap), %3, %4</source>
        <translation>%1 (%2 dopo la fine delle riprese), %3, %4</translation>
    </message>
    <message>
        <source>1 reader</source>
        <translation>1 lettore</translation>
    </message>
    <message>
        <source>%1 readers</source>
        <translation>%1 lettori</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificato</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>non verificato</translation>
    </message>
</context>
<context>
    <name>KivPlanner</name>
    <message>
        <source>measuring was cancelled</source>
        <translation>la misurazione è stata annullata</translation>
    </message>
    <message>
        <source>Plan a Shoot</source>
        <translation>Pianifica le riprese</translation>
    </message>
    <message>
        <source>%1[*] – Plan a Shoot</source>
        <translation>%1[*] – Pianifica le riprese</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Apri piano</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Piani (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Salva piano</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Piani (*.json)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Esporta in CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The plan was not opened: %1</source>
        <translation>Il piano non è stato aperto: %1</translation>
    </message>
    <message>
        <source>The plan was not saved: %1</source>
        <translation>Il piano non è stato salvato: %1</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Non è stato esportato nulla: %1</translation>
    </message>
    <message>
        <source>untitled plan</source>
        <translation>piano senza titolo</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved. Save them?</source>
        <translation>Il piano ha modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Misura i clip</translation>
    </message>
    <message>
        <source>Measure a Card Folder</source>
        <translation>Misura la cartella di una scheda</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>non misurato</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modifi&amp;ca</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
</context>
<context>
    <name>KivPlannerClass</name>
    <message>
        <source>Plan a Shoot</source>
        <translation>Pianifica le riprese</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Riprese</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>Units of a gigabyte</source>
        <translation>Unità di un gigabyte</translation>
    </message>
    <message>
        <source>GB of 1024 MB, as the calculator counts</source>
        <translation>GB da 1024 MB, come conta il calcolatore</translation>
    </message>
    <message>
        <source>GB of 10^9 bytes, as card labels count</source>
        <translation>GB da 10^9 byte, come contano le etichette delle schede</translation>
    </message>
    <message>
        <source>GiB of 2^30 bytes, as systems show a card</source>
        <translation>GiB da 2^30 byte, come i sistemi mostrano una scheda</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Giorni:</translation>
    </message>
    <message>
        <source>Days of shooting</source>
        <translation>Giorni di riprese</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>C&amp;opie:</translation>
    </message>
    <message>
        <source>Copies kept of the camera files</source>
        <translation>Copie conservate dei file delle videocamere</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>Dimensione &amp;scheda:</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Dimensione scheda in gigabyte</translation>
    </message>
    <message>
        <source>Dri&amp;ve size:</source>
        <translation>Dimensione &amp;disco:</translation>
    </message>
    <message>
        <source>Drive size in gigabytes</source>
        <translation>Dimensione del disco in gigabyte</translation>
    </message>
    <message>
        <source>Off&amp;load speed:</source>
        <translation>Velocità di sca&amp;rico:</translation>
    </message>
    <message>
        <source>Offload speed in megabytes per second</source>
        <translation>Velocità di scarico in megabyte al secondo</translation>
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
        <translation>Bitrate del proxy in megabit al secondo, o il suo formato</translation>
    </message>
    <message>
        <source>Mbit/s</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Fo&amp;rmat…</source>
        <translation>For&amp;mato…</translation>
    </message>
    <message>
        <source>Choose the proxy&apos;s recording format</source>
        <translation>Scegli il formato di registrazione del proxy</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totali</translation>
    </message>
    <message>
        <source>Gigabytes per day</source>
        <translation>Gigabyte al giorno</translation>
    </message>
    <message>
        <source>Gigabytes for the shoot</source>
        <translation>Gigabyte per le riprese</translation>
    </message>
    <message>
        <source>Gigabytes with copies</source>
        <translation>Gigabyte con le copie</translation>
    </message>
    <message>
        <source>Gigabytes of proxies</source>
        <translation>Gigabyte di proxy</translation>
    </message>
    <message>
        <source>Gigabytes in all</source>
        <translation>Gigabyte in tutto</translation>
    </message>
    <message>
        <source>Drives needed</source>
        <translation>Dischi necessari</translation>
    </message>
    <message>
        <source>Offload time per day, hours, minutes and seconds</source>
        <translation>Tempo di scarico al giorno, ore, minuti e secondi</translation>
    </message>
    <message>
        <source>Ca&amp;meras (drop clips or a card&apos;s folder on a row to measure its bitrate):</source>
        <translation>Videoc&amp;amere (trascina dei clip o la cartella di una scheda su una riga per misurarne il bitrate):</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Videocamere</translation>
    </message>
    <message>
        <source>A row a camera: name, count, time per day and bitrate, then its megabits per second, gigabytes per day, cards per day, the time one card holds and gigabytes</source>
        <translation>Una riga per videocamera: nome, numero, durata al giorno e bitrate, poi i suoi megabit al secondo, gigabyte al giorno, schede al giorno, la durata che una scheda contiene e gigabyte</translation>
    </message>
    <message>
        <source>&amp;Add Camera</source>
        <translation>Agg&amp;iungi videocamera</translation>
    </message>
    <message>
        <source>R&amp;emove Camera</source>
        <translation>Rimuovi vid&amp;eocamera</translation>
    </message>
    <message>
        <source>Choose Forma&amp;t…</source>
        <translation>Scegli forma&amp;to…</translation>
    </message>
    <message>
        <source>Fault of the plan</source>
        <translation>Errore del piano</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Videocamera</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Sal&amp;va con nome…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Esporta in &amp;CSV…</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Esporta in &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Chi&amp;udi</translation>
    </message>
    <message>
        <source>&amp;Remove Camera</source>
        <translation>&amp;Rimuovi videocamera</translation>
    </message>
    <message>
        <source>Choose &amp;Format…</source>
        <translation>Scegli il &amp;formato…</translation>
    </message>
    <message>
        <source>&amp;Measure Clips…</source>
        <translation>&amp;Misura i clip…</translation>
    </message>
    <message>
        <source>Measure a Card F&amp;older…</source>
        <translation>Misura la &amp;cartella di una scheda…</translation>
    </message>
    <message>
        <source>Day len&amp;gth:</source>
        <translation>Durata della gior&amp;nata:</translation>
    </message>
    <message>
        <source>Length of the shooting day, hours, minutes and seconds</source>
        <translation>Durata della giornata di riprese, ore, minuti e secondi</translation>
    </message>
    <message>
        <source>The span of a shooting day, as 10:00:00; each camera records its time per day spread over it. Empty: no day planned</source>
        <translation>La durata di una giornata di riprese, come 10:00:00; ogni videocamera vi distribuisce il suo tempo al giorno. Vuoto: nessuna giornata pianificata</translation>
    </message>
    <message>
        <source>&amp;Handoff:</source>
        <translation>Tempo di &amp;passaggio:</translation>
    </message>
    <message>
        <source>Handoff time to the offload station and back, hours, minutes and seconds</source>
        <translation>Tempo di passaggio alla postazione di scarico e ritorno, ore, minuti e secondi</translation>
    </message>
    <message>
        <source>The time a full card takes to reach the offload station, and again to come back to its camera</source>
        <translation>Il tempo che una scheda piena impiega per raggiungere la postazione di scarico, e di nuovo per tornare alla sua videocamera</translation>
    </message>
    <message>
        <source>Card reader&amp;s:</source>
        <translation>&amp;Lettori di schede:</translation>
    </message>
    <message>
        <source>Card readers at the offload station, 1 to 64</source>
        <translation>Lettori di schede alla postazione di scarico, da 1 a 64</translation>
    </message>
    <message>
        <source>Cards offloaded at the same time, each at the offload speed</source>
        <translation>Schede scaricate contemporaneamente, ciascuna alla velocità di scarico</translation>
    </message>
    <message>
        <source>Ver&amp;ify each card after its copy</source>
        <translation>Verifica ogni sc&amp;heda dopo la copia</translation>
    </message>
    <message>
        <source>Each card is read a second time after its copy, so its offload takes twice as long</source>
        <translation>Ogni scheda viene letta una seconda volta dopo la copia, quindi il suo scarico dura il doppio</translation>
    </message>
    <message>
        <source>Verify each card after its copy</source>
        <translation>Verifica ogni scheda dopo la copia</translation>
    </message>
    <message>
        <source>Cards to rent for all bodies</source>
        <translation>Schede da noleggiare per tutti i corpi</translation>
    </message>
    <message>
        <source>Offload done, from the start of the day</source>
        <translation>Scarico finito, dall&apos;inizio della giornata</translation>
    </message>
    <message>
        <source>Warning of the day</source>
        <translation>Avviso della giornata</translation>
    </message>
</context>
</TS>
