<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>KivClipChild</name>
    <message>
        <source>Measuring clips…</source>
        <translation>Clips werden gemessen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Measuring Clips</source>
        <translation>Clips messen</translation>
    </message>
    <message>
        <source>Measuring clips</source>
        <translation>Clips werden gemessen</translation>
    </message>
    <message>
        <source>Measuring clips… files read: %1</source>
        <translation>Clips werden gemessen… gelesene Dateien: %1</translation>
    </message>
</context>
<context>
    <name>KivClipDrop</name>
    <message>
        <source>Incomplete Measure</source>
        <translation>Unvollständige Messung</translation>
    </message>
    <message>
        <source>Use the measured rate all the same?</source>
        <translation>Die gemessene Rate trotzdem verwenden?</translation>
    </message>
    <message>
        <source>Time left on this card at that rate: %1 (%2 GB free)</source>
        <translation>Verbleibende Zeit auf dieser Karte bei dieser Rate: %1 (%2 GB frei)</translation>
    </message>
</context>
<context>
    <name>KivClipProcess</name>
    <message>
        <source>Measured from clips (recordings: %1, files: %2, skipped: %3): %4, %5</source>
        <translation>Aus Clips gemessen (Aufnahmen: %1, Dateien: %2, übersprungen: %3): %4, %5</translation>
    </message>
    <message>
        <source>Only files and folders on this computer can be measured; %1 is not one.</source>
        <translation>Nur Dateien und Ordner auf diesem Computer können gemessen werden; %1 gehört nicht dazu.</translation>
    </message>
    <message>
        <source>Measuring stopped: the reader of the clips sent a line longer than 64 KiB. Nothing was changed.</source>
        <translation>Die Messung wurde abgebrochen: Das Leseprogramm der Clips hat eine Zeile gesendet, die länger als 64 KiB ist. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Nothing was measured: %1</source>
        <translation>Nichts wurde gemessen: %1</translation>
    </message>
    <message>
        <source>the reader of the clips could not run</source>
        <translation>Das Leseprogramm der Clips konnte nicht arbeiten</translation>
    </message>
    <message>
        <source>not measured, for a reason not known here</source>
        <translation>nicht gemessen, aus einem hier unbekannten Grund</translation>
    </message>
    <message>
        <source>Nothing was changed: the reader of the clips sent figures that cannot be right.</source>
        <translation>Nichts wurde geändert: Das Leseprogramm der Clips hat Werte gesendet, die nicht stimmen können.</translation>
    </message>
    <message>
        <source>Nothing was measured: the reader of the clips ended without a result.</source>
        <translation>Nichts wurde gemessen: Das Leseprogramm der Clips hat ohne Ergebnis geendet.</translation>
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
        <source>Measuring clips needs kivfilesize, installed beside the calculator; %1 could not be started.</source>
        <translation>Zum Messen von Clips wird kivfilesize benötigt, das neben dem Rechner installiert ist; %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>Incomplete: camera media that could not be measured is left out (%1 MB).</source>
        <translation>Unvollständig: Kameramedien, die nicht gemessen werden konnten, fehlen (%1 MB).</translation>
    </message>
</context>
<context>
    <name>KivClipReason</name>
    <message>
        <source>not a local file: only paths and file:// URLs of this machine can be measured</source>
        <translation>keine lokale Datei: Nur Pfade und file://-URLs dieses Rechners können gemessen werden</translation>
    </message>
    <message>
        <source>empty path</source>
        <translation>leerer Pfad</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>keine solche Datei und kein solcher Ordner</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>neither a regular file nor a folder</source>
        <translation>weder eine gewöhnliche Datei noch ein Ordner</translation>
    </message>
    <message>
        <source>symbolic link to a folder, not followed</source>
        <translation>symbolische Verknüpfung auf einen Ordner, nicht verfolgt</translation>
    </message>
    <message>
        <source>already counted</source>
        <translation>bereits gezählt</translation>
    </message>
    <message>
        <source>no clip in this folder</source>
        <translation>kein Clip in diesem Ordner</translation>
    </message>
    <message>
        <source>empty file</source>
        <translation>leere Datei</translation>
    </message>
    <message>
        <source>not a clip: no audio or video with a duration</source>
        <translation>kein Clip: kein Ton und kein Bild mit einer Dauer</translation>
    </message>
    <message>
        <source>not a clip: cut short</source>
        <translation>kein Clip: abgeschnitten</translation>
    </message>
    <message>
        <source>not a clip: describes media kept in another file</source>
        <translation>kein Clip: beschreibt Medien in einer anderen Datei</translation>
    </message>
    <message>
        <source>not a clip: no usable duration</source>
        <translation>kein Clip: keine verwendbare Dauer</translation>
    </message>
    <message>
        <source>cannot be read: its name is not UTF-8 and /proc is not mounted to name it otherwise</source>
        <translation>kann nicht gelesen werden: Der Name ist kein UTF-8, und /proc ist nicht eingehängt, um die Datei anders zu benennen</translation>
    </message>
    <message>
        <source>measuring clips needs libmediainfo0v5</source>
        <translation>zum Messen von Clips wird libmediainfo0v5 benötigt</translation>
    </message>
    <message>
        <source>measuring clips needs seccomp filters to keep MediaInfoLib off the network</source>
        <translation>zum Messen von Clips werden seccomp-Filter benötigt, die MediaInfoLib vom Netzwerk fernhalten</translation>
    </message>
    <message>
        <source>camera original the reader cannot measure</source>
        <translation>Kameraoriginal, das der Leser nicht messen kann</translation>
    </message>
    <message>
        <source>a link that loops</source>
        <translation>ein Link, der eine Schleife bildet</translation>
    </message>
    <message>
        <source>name too long for the system</source>
        <translation>Name zu lang für das System</translation>
    </message>
    <message>
        <source>empty path in the list</source>
        <translation>leerer Pfad in der Liste</translation>
    </message>
    <message>
        <source>left out: its recording&apos;s main file cannot be measured</source>
        <translation>ausgelassen: die Hauptdatei seiner Aufnahme kann nicht gemessen werden</translation>
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
    <message>
        <source>Plan a shoot…</source>
        <translation>Dreh planen…</translation>
    </message>
    <message>
        <source>Free space of a mounted card…</source>
        <translation>Freier Platz einer eingehängten Karte…</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>%1: %2 GB free of %3 GB</source>
        <translation>%1: %2 GB von %3 GB frei</translation>
    </message>
    <message>
        <source>Free Space of a Card</source>
        <translation>Freier Platz einer Karte</translation>
    </message>
    <message>
        <source>No mounted volume was found.</source>
        <translation>Es wurde kein eingehängtes Laufwerk gefunden.</translation>
    </message>
    <message>
        <source>&amp;Volume:</source>
        <translation>&amp;Laufwerk:</translation>
    </message>
</context>
<context>
    <name>KivPlanCameraModel</name>
    <message>
        <source>%1 audio channels</source>
        <translation>%1 Tonkanäle</translation>
    </message>
    <message>
        <source>audio %1</source>
        <translation>Ton %1</translation>
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
        <translation>Clips werden gemessen…</translation>
    </message>
</context>
<context>
    <name>KivPlanDocument</name>
    <message>
        <source>Camera %1</source>
        <translation>Kamera %1</translation>
    </message>
    <message>
        <source>Camera %1, %2</source>
        <translation>Kamera %1, %2</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Choose Format</source>
        <translation>Format wählen</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Clips messen</translation>
    </message>
    <message>
        <source>Add Camera</source>
        <translation>Kamera hinzufügen</translation>
    </message>
    <message>
        <source>Remove Camera</source>
        <translation>Kamera entfernen</translation>
    </message>
    <message>
        <source>%1 (measuring its clips…)</source>
        <translation>%1 (ihre Clips werden gemessen…)</translation>
    </message>
    <message>
        <source>%1 (no bitrate yet)</source>
        <translation>%1 (noch keine Bitrate)</translation>
    </message>
    <message>
        <source>The totals leave out %1.</source>
        <translation>Die Summen lassen %1 aus.</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifizieren</translation>
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
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Drive size</source>
        <translation>Laufwerksgröße</translation>
    </message>
    <message>
        <source>Offload speed</source>
        <translation>Kopiergeschwindigkeit</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>line %1, column %2: not a plan file (%3)</source>
        <translation>Zeile %1, Spalte %2: keine Plandatei (%3)</translation>
    </message>
    <message>
        <source>not a plan file</source>
        <translation>keine Plandatei</translation>
    </message>
    <message>
        <source>larger than %1 MiB; not read</source>
        <translation>größer als %1 MiB; nicht gelesen</translation>
    </message>
    <message>
        <source>a folder, not a plan file</source>
        <translation>ein Ordner, keine Plandatei</translation>
    </message>
    <message>
        <source>not a regular file; not read</source>
        <translation>keine reguläre Datei; nicht gelesen</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>cannot be written (%1)</source>
        <translation>kann nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>must be a whole number from %1 to %2</source>
        <translation>muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>must be a number from %1 to %2</source>
        <translation>muss eine Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>a plan has 1 to %1 cameras</source>
        <translation>ein Plan hat 1 bis %1 Kameras</translation>
    </message>
    <message>
        <source>%1 cannot be read as a time (%2)</source>
        <translation>%1 ist als Zeit nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>%1 is longer than a day (%2)</source>
        <translation>%1 ist länger als ein Tag (%2)</translation>
    </message>
    <message>
        <source>no bitrate yet</source>
        <translation>noch keine Bitrate</translation>
    </message>
    <message>
        <source>the frame rate must be from %1 to %2 frames per second</source>
        <translation>die Bildrate muss zwischen %1 und %2 Bildern pro Sekunde liegen</translation>
    </message>
    <message>
        <source>the format cannot be used (%1)</source>
        <translation>das Format ist nicht verwendbar (%1)</translation>
    </message>
    <message>
        <source>the figure of %1 includes its audio already</source>
        <translation>die Zahl von %1 enthält den Ton bereits</translation>
    </message>
    <message>
        <source>the clips were not measured (%1)</source>
        <translation>die Clips wurden nicht gemessen (%1)</translation>
    </message>
    <message>
        <source>the clips are being measured</source>
        <translation>die Clips werden gemessen</translation>
    </message>
    <message>
        <source>a rate of %1 Mbit/s cannot be planned; it must be above 0 and at most %2</source>
        <translation>eine Rate von %1 Mbit/s lässt sich nicht planen; sie muss über 0 und höchstens %2 sein</translation>
    </message>
    <message>
        <source>at %1 Mbit/s a %2 %3 card lasts longer than %4, the longest time there is</source>
        <translation>bei %1 Mbit/s reicht eine Karte mit %2 %3 länger als %4, die längste Zeit, die es gibt</translation>
    </message>
    <message>
        <source>at %1 MB/s a day&apos;s %2 %3 take longer than %4, the longest time there is</source>
        <translation>bei %1 MB/s dauern die %2 %3 eines Tages länger als %4, die längste Zeit, die es gibt</translation>
    </message>
    <message>
        <source>Day length</source>
        <translation>Taglänge</translation>
    </message>
    <message>
        <source>Handoff</source>
        <translation>Übergabezeit</translation>
    </message>
    <message>
        <source>Card readers</source>
        <translation>Kartenleser</translation>
    </message>
    <message>
        <source>a day of 00:00:00 plans nothing; give its length, as 10:00:00</source>
        <translation>ein Tag von 00:00:00 plant nichts; seine Länge angeben, etwa 10:00:00</translation>
    </message>
    <message>
        <source>missing; the day length plans cards and their offload, give it</source>
        <translation>fehlt; die Taglänge plant Karten und ihren Offload, bitte angeben</translation>
    </message>
    <message>
        <source>%1 is longer than the day length %2</source>
        <translation>%1 ist länger als die Taglänge %2</translation>
    </message>
    <message>
        <source>fills %1 cards a day per body; a day is planned for at most %2</source>
        <translation>füllt %1 Karten pro Tag je Gerät; ein Tag wird für höchstens %2 geplant</translation>
    </message>
</context>
<context>
    <name>KivPlanReport</name>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>Storage budget: %1</source>
        <translation>Speicherbedarf: %1</translation>
    </message>
    <message>
        <source>Days: %1</source>
        <translation>Tage: %1</translation>
    </message>
    <message>
        <source>Copies: %1</source>
        <translation>Kopien: %1</translation>
    </message>
    <message>
        <source>Cards of %1 %2</source>
        <translation>Karten zu %1 %2</translation>
    </message>
    <message>
        <source>Drives of %1 %2</source>
        <translation>Laufwerke zu %1 %2</translation>
    </message>
    <message>
        <source>Offload at %1 MB/s</source>
        <translation>Offload mit %1 MB/s</translation>
    </message>
    <message>
        <source>Proxy: %1</source>
        <translation>Proxy: %1</translation>
    </message>
    <message>
        <source>Kiv File Size Calculator, %1</source>
        <translation>Kiv-Dateigrößenrechner, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Card size (%1)</source>
        <translation>Kartengröße (%1)</translation>
    </message>
    <message>
        <source>Drive size (%1)</source>
        <translation>Laufwerksgröße (%1)</translation>
    </message>
    <message>
        <source>Offload (MB/s)</source>
        <translation>Offload (MB/s)</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Counted as</source>
        <translation>Gezählt als</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>A cell that starts with =, +, -, @, a tab or a carriage return starts with &apos; here, so that it is not a formula</source>
        <translation>Eine Zelle, die mit =, +, -, @, einem Tabulator oder einem Wagenrücklauf beginnt, beginnt hier mit &apos;, damit sie keine Formel ist</translation>
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
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Time per day</source>
        <translation>Zeit pro Tag</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Mbit/s per body</source>
        <translation>Mbit/s je Gehäuse</translation>
    </message>
    <message>
        <source>%1 per day</source>
        <translation>%1 pro Tag</translation>
    </message>
    <message>
        <source>Cards per body a day</source>
        <translation>Karten je Gehäuse und Tag</translation>
    </message>
    <message>
        <source>Card time</source>
        <translation>Zeit je Karte</translation>
    </message>
    <message>
        <source>%1 for the shoot</source>
        <translation>%1 für den Dreh</translation>
    </message>
    <message>
        <source>%1 with copies</source>
        <translation>%1 mit Kopien</translation>
    </message>
    <message>
        <source>%1 of proxies</source>
        <translation>%1 Proxys</translation>
    </message>
    <message>
        <source>%1 in all</source>
        <translation>%1 insgesamt</translation>
    </message>
    <message>
        <source>Cards a day, all bodies</source>
        <translation>Karten pro Tag, alle Gehäuse</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Offload per day</source>
        <translation>Offload pro Tag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Cards per body</source>
        <translation>Karten je Gerät</translation>
    </message>
    <message>
        <source>Cards to rent</source>
        <translation>Zu mietende Karten</translation>
    </message>
    <message>
        <source>Offload done</source>
        <translation>Offload fertig</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>the offload does not finish before the next day</source>
        <translation>der Offload endet nicht vor dem nächsten Tag</translation>
    </message>
    <message>
        <source>%1 (%2 after wrap), %3, %4</source>
        <translation>%1 (%2 nach Drehschluss), %3, %4</translation>
    </message>
    <message>
        <source>1 reader</source>
        <translation>1 Lesegerät</translation>
    </message>
    <message>
        <source>%1 readers</source>
        <translation>%1 Lesegeräte</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verifiziert</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>nicht verifiziert</translation>
    </message>
</context>
<context>
    <name>KivPlanner</name>
    <message>
        <source>measuring was cancelled</source>
        <translation>das Messen wurde abgebrochen</translation>
    </message>
    <message>
        <source>Plan a Shoot</source>
        <translation>Dreh planen</translation>
    </message>
    <message>
        <source>%1[*] – Plan a Shoot</source>
        <translation>%1[*] – Dreh planen</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Plan öffnen</translation>
    </message>
    <message>
        <source>Plans (*.json);;All files (*)</source>
        <translation>Pläne (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Plan</source>
        <translation>Plan speichern</translation>
    </message>
    <message>
        <source>Plans (*.json)</source>
        <translation>Pläne (*.json)</translation>
    </message>
    <message>
        <source>Export as CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The plan was not opened: %1</source>
        <translation>Der Plan wurde nicht geöffnet: %1</translation>
    </message>
    <message>
        <source>The plan was not saved: %1</source>
        <translation>Der Plan wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nichts wurde exportiert: %1</translation>
    </message>
    <message>
        <source>untitled plan</source>
        <translation>unbenannter Plan</translation>
    </message>
    <message>
        <source>The plan has changes that are not saved. Save them?</source>
        <translation>Der Plan hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Measure Clips</source>
        <translation>Clips messen</translation>
    </message>
    <message>
        <source>Measure a Card Folder</source>
        <translation>Ordner einer Karte messen</translation>
    </message>
    <message>
        <source>not measured</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>KivPlannerClass</name>
    <message>
        <source>Plan a Shoot</source>
        <translation>Dreh planen</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Dreh</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>Units of a gigabyte</source>
        <translation>Einheiten eines Gigabytes</translation>
    </message>
    <message>
        <source>GB of 1024 MB, as the calculator counts</source>
        <translation>GB zu 1024 MB, wie der Rechner zählt</translation>
    </message>
    <message>
        <source>GB of 10^9 bytes, as card labels count</source>
        <translation>GB zu 10^9 Byte, wie Kartenetiketten zählen</translation>
    </message>
    <message>
        <source>GiB of 2^30 bytes, as systems show a card</source>
        <translation>GiB zu 2^30 Byte, wie Systeme eine Karte anzeigen</translation>
    </message>
    <message>
        <source>&amp;Days:</source>
        <translation>&amp;Tage:</translation>
    </message>
    <message>
        <source>Days of shooting</source>
        <translation>Drehtage</translation>
    </message>
    <message>
        <source>C&amp;opies:</source>
        <translation>Ko&amp;pien:</translation>
    </message>
    <message>
        <source>Copies kept of the camera files</source>
        <translation>Aufbewahrte Kopien der Kameradateien</translation>
    </message>
    <message>
        <source>Card si&amp;ze:</source>
        <translation>Ka&amp;rtengröße:</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Kartengröße in Gigabyte</translation>
    </message>
    <message>
        <source>Dri&amp;ve size:</source>
        <translation>&amp;Laufwerksgröße:</translation>
    </message>
    <message>
        <source>Drive size in gigabytes</source>
        <translation>Laufwerksgröße in Gigabyte</translation>
    </message>
    <message>
        <source>Off&amp;load speed:</source>
        <translation>&amp;Offload-Geschwindigkeit:</translation>
    </message>
    <message>
        <source>Offload speed in megabytes per second</source>
        <translation>Offload-Geschwindigkeit in Megabyte pro Sekunde</translation>
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
        <translation>Bitrate des Proxys in Megabit pro Sekunde oder sein Format</translation>
    </message>
    <message>
        <source>Mbit/s</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Fo&amp;rmat…</source>
        <translation>&amp;Format…</translation>
    </message>
    <message>
        <source>Choose the proxy&apos;s recording format</source>
        <translation>Das Aufnahmeformat des Proxys wählen</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Gigabytes per day</source>
        <translation>Gigabyte pro Tag</translation>
    </message>
    <message>
        <source>Gigabytes for the shoot</source>
        <translation>Gigabyte für den Dreh</translation>
    </message>
    <message>
        <source>Gigabytes with copies</source>
        <translation>Gigabyte mit Kopien</translation>
    </message>
    <message>
        <source>Gigabytes of proxies</source>
        <translation>Gigabyte der Proxys</translation>
    </message>
    <message>
        <source>Gigabytes in all</source>
        <translation>Gigabyte insgesamt</translation>
    </message>
    <message>
        <source>Drives needed</source>
        <translation>Benötigte Laufwerke</translation>
    </message>
    <message>
        <source>Offload time per day, hours, minutes and seconds</source>
        <translation>Offload-Zeit pro Tag, Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>Ca&amp;meras (drop clips or a card&apos;s folder on a row to measure its bitrate):</source>
        <translation>Ka&amp;meras (Clips oder den Ordner einer Karte auf eine Zeile ziehen, um ihre Bitrate zu messen):</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>A row a camera: name, count, time per day and bitrate, then its megabits per second, gigabytes per day, cards per day, the time one card holds and gigabytes</source>
        <translation>Eine Zeile je Kamera: Name, Anzahl, Zeit pro Tag und Bitrate, dann ihre Megabit pro Sekunde, Gigabyte pro Tag, Karten pro Tag, die Zeit, die eine Karte fasst, und Gigabyte</translation>
    </message>
    <message>
        <source>&amp;Add Camera</source>
        <translation>Kamera &amp;hinzufügen</translation>
    </message>
    <message>
        <source>R&amp;emove Camera</source>
        <translation>Kamera entfer&amp;nen</translation>
    </message>
    <message>
        <source>Choose Forma&amp;t…</source>
        <translation>Form&amp;at wählen…</translation>
    </message>
    <message>
        <source>Fault of the plan</source>
        <translation>Fehler im Plan</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Kamera</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Export as &amp;CSV…</source>
        <translation>Als &amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export as &amp;PDF…</source>
        <translation>Als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Remove Camera</source>
        <translation>Kamera &amp;entfernen</translation>
    </message>
    <message>
        <source>Choose &amp;Format…</source>
        <translation>&amp;Format wählen…</translation>
    </message>
    <message>
        <source>&amp;Measure Clips…</source>
        <translation>Clips &amp;messen…</translation>
    </message>
    <message>
        <source>Measure a Card F&amp;older…</source>
        <translation>&amp;Ordner einer Karte messen…</translation>
    </message>
    <message>
        <source>Day len&amp;gth:</source>
        <translation>Taglän&amp;ge:</translation>
    </message>
    <message>
        <source>Length of the shooting day, hours, minutes and seconds</source>
        <translation>Länge des Drehtags, Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>The span of a shooting day, as 10:00:00; each camera records its time per day spread over it. Empty: no day planned</source>
        <translation>Die Dauer eines Drehtags, etwa 10:00:00; jede Kamera verteilt ihre Zeit pro Tag darüber. Leer: kein Tag geplant</translation>
    </message>
    <message>
        <source>&amp;Handoff:</source>
        <translation>Übergabe&amp;zeit:</translation>
    </message>
    <message>
        <source>Handoff time to the offload station and back, hours, minutes and seconds</source>
        <translation>Übergabezeit zur Offload-Station und zurück, Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <source>The time a full card takes to reach the offload station, and again to come back to its camera</source>
        <translation>Die Zeit, die eine volle Karte bis zur Offload-Station braucht, und noch einmal zurück zu ihrer Kamera</translation>
    </message>
    <message>
        <source>Card reader&amp;s:</source>
        <translation>Kartenle&amp;ser:</translation>
    </message>
    <message>
        <source>Card readers at the offload station, 1 to 64</source>
        <translation>Kartenleser an der Offload-Station, 1 bis 64</translation>
    </message>
    <message>
        <source>Cards offloaded at the same time, each at the offload speed</source>
        <translation>Gleichzeitig ausgelesene Karten, jede mit der Offload-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Ver&amp;ify each card after its copy</source>
        <translation>Jede Karte nach dem Kopieren &amp;verifizieren</translation>
    </message>
    <message>
        <source>Each card is read a second time after its copy, so its offload takes twice as long</source>
        <translation>Jede Karte wird nach dem Kopieren ein zweites Mal gelesen, ihr Offload dauert also doppelt so lange</translation>
    </message>
    <message>
        <source>Verify each card after its copy</source>
        <translation>Jede Karte nach dem Kopieren verifizieren</translation>
    </message>
    <message>
        <source>Cards to rent for all bodies</source>
        <translation>Zu mietende Karten für alle Geräte</translation>
    </message>
    <message>
        <source>Offload done, from the start of the day</source>
        <translation>Offload fertig, ab Beginn des Tages</translation>
    </message>
    <message>
        <source>Warning of the day</source>
        <translation>Warnung zum Tag</translation>
    </message>
</context>
</TS>
