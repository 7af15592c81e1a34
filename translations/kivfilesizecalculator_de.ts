<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</context>
</TS>
