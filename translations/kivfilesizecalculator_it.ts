<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
</context>
</TS>
