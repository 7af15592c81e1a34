<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Clips werden gemessen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Clips werden gemessen</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Nur Dateien und Ordner auf diesem Computer können gemessen werden; %1 gehört nicht dazu.</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Clips werden gemessen… gelesene Dateien: %1</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed. Nothing was changed.</source>
        <translation>Die Messung wurde abgebrochen: Das Leseprogramm der Clips ist gescheitert. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips failed on %1. Nothing was changed.</source>
        <translation>Die Messung wurde abgebrochen: Das Leseprogramm der Clips ist an %1 gescheitert. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>Nichts wurde gemessen: %1</translation>
    </message>
    <message>
        <source>Measured from clips (%1): %2, %3 GB</source>
        <translation>Aus Clips gemessen (%1): %2, %3 GB</translation>
    </message>
    <message>
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>Zum Messen von Clips wird kivfilesize benötigt, das neben dem Rechner installiert ist; %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Clips messen</translation>
    </message>
</context>
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Kiv-Dateigrößenrechner</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Bitrate/Kartengröße/Dauer berechnen</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Bitrate in Megabit pro Sekunde</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Kartengröße in Gigabyte</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Aufnahmedauer in Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Hours:Minutes:Seconds</source>
        <translation>Stunden:Minuten:Sekunden</translation>
    </message>
    <message>
        <source>Mbits/sec</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Bitrate in Mbit/s oder MB/s umrechnen</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Bitrate in Megabyte pro Sekunde</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Right-click for the bitrate of a recording format; drop clips on the window to measure theirs.</source>
        <translation>Rechtsklick für die Bitrate eines Aufnahmeformats; Clips auf das Fenster ziehen, um ihre zu messen.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooser</name>
    <message>
        <source>target: what the encoder aims at; real files of simple pictures come in lower</source>
        <translation>Zielwert: die Rate, die der Encoder anstrebt; echte Dateien einfacher Bilder fallen kleiner aus</translation>
    </message>
    <message>
        <source>constant: the same size for every frame</source>
        <translation>konstant: dieselbe Größe für jedes Bild</translation>
    </message>
    <message>
        <source>maximum: the most the mode records; averages come in lower</source>
        <translation>Höchstwert: das Meiste, was der Modus aufzeichnet; im Mittel liegt es darunter</translation>
    </message>
    <message>
        <source>average: what a typical recording comes to</source>
        <translation>Mittelwert: was eine typische Aufnahme ergibt</translation>
    </message>
    <message>
        <source>Write the frame size as width x height, for example 1920x1080.</source>
        <translation>Geben Sie die Bildgröße als Breite x Höhe an, zum Beispiel 1920x1080.</translation>
    </message>
    <message>
        <source>Write the frame rate as a number, for example 25 or 29.97, or as a fraction such as 30000/1001.</source>
        <translation>Geben Sie die Bildrate als Zahl an, zum Beispiel 25 oder 29,97, oder als Bruch wie 30000/1001.</translation>
    </message>
    <message>
        <source>%1 exists only at %2.</source>
        <translation>%1 gibt es nur in %2.</translation>
    </message>
    <message>
        <source>%1 Mbit/s, %2; %3.</source>
        <translation>%1 Mbit/s, %2; %3.</translation>
    </message>
    <message>
        <source>audio included</source>
        <translation>mit Ton</translation>
    </message>
    <message>
        <source>video only</source>
        <translation>nur Video</translation>
    </message>
    <message>
        <source>Scaled from %1 at %2 fps.</source>
        <translation>Umgerechnet von %1 bei %2 fps.</translation>
    </message>
    <message>
        <source>Scaled from %1.</source>
        <translation>Umgerechnet von %1.</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
    <message>
        <source>approximate: the maker&apos;s rounded figure, neither a maximum nor an average</source>
        <translation>ungefähr: die gerundete Angabe des Herstellers, weder Höchstwert noch Durchschnitt</translation>
    </message>
    <message>
        <source>net: the rate of the video stream alone</source>
        <translation>netto: die Rate des Videostroms allein</translation>
    </message>
    <message>
        <source>nominal: the rate the format is known by; its source says no more</source>
        <translation>nominal: die Rate, unter der das Format bekannt ist; seine Quelle sagt nicht mehr</translation>
    </message>
    <message>
        <source>Width and height must be 1 to %1 pixels.</source>
        <translation>Breite und Höhe müssen 1 bis %1 Pixel betragen.</translation>
    </message>
    <message>
        <source>%1 exists only at %2 frames per second.</source>
        <translation>%1 gibt es nur bei %2 Bildern pro Sekunde.</translation>
    </message>
    <message>
        <source>%1, with alpha</source>
        <translation>%1, mit Alphakanal</translation>
    </message>
    <message>
        <source>%1, without alpha</source>
        <translation>%1, ohne Alphakanal</translation>
    </message>
    <message>
        <source>With %1 channels of 24-bit 48 kHz PCM audio (%2 Mbit/s): %3 Mbit/s.</source>
        <translation>Mit %1 Kanälen 24-Bit-48-kHz-PCM-Audio (%2 Mbit/s): %3 Mbit/s.</translation>
    </message>
</context>
<context>
    <name>KivFormatChooserClass</name>
    <message>
        <source>Bitrate of a Recording Format</source>
        <translation>Bitrate eines Aufnahmeformats</translation>
    </message>
    <message>
        <source>&amp;Family:</source>
        <translation>&amp;Familie:</translation>
    </message>
    <message>
        <source>Family of recording formats</source>
        <translation>Familie von Aufnahmeformaten</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>Recording format</source>
        <translation>Aufnahmeformat</translation>
    </message>
    <message>
        <source>Frame &amp;size:</source>
        <translation>Bild&amp;größe:</translation>
    </message>
    <message>
        <source>Frame size in pixels, width by height</source>
        <translation>Bildgröße in Pixeln, Breite mal Höhe</translation>
    </message>
    <message>
        <source>Frame &amp;rate:</source>
        <translation>Bild&amp;rate:</translation>
    </message>
    <message>
        <source>Frame rate in frames per second</source>
        <translation>Bildrate in Bildern pro Sekunde</translation>
    </message>
    <message>
        <source>Bitrate of the chosen format</source>
        <translation>Bitrate des gewählten Formats</translation>
    </message>
    <message>
        <source>Faults in formats files</source>
        <translation>Fehler in Formatdateien</translation>
    </message>
    <message>
        <source>&amp;Audio:</source>
        <translation>&amp;Audio:</translation>
    </message>
    <message>
        <source>Audio recorded beside the video, 24-bit 48 kHz PCM</source>
        <translation>Neben dem Video aufgenommenes Audio, 24-Bit-48-kHz-PCM</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>2 channels</source>
        <translation>2 Kanäle</translation>
    </message>
    <message>
        <source>4 channels</source>
        <translation>4 Kanäle</translation>
    </message>
    <message>
        <source>8 channels</source>
        <translation>8 Kanäle</translation>
    </message>
</context>
<context>
    <name>KivFormatMenu</name>
    <message>
        <source>Bitrate of a recording format…</source>
        <translation>Bitrate eines Aufnahmeformats…</translation>
    </message>
</context>
</TS>
