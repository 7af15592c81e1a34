<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>KivFileSizeCalculatorClass</name>
    <message>
        <source>Kiv File Size Calculator</source>
        <translation>Calculateur de taille de fichier Kiv</translation>
    </message>
    <message>
        <source>Calculate Bitrate/Card Size/Time</source>
        <translation>Calculer débit/taille de carte/durée</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Bitrate in megabits per second</source>
        <translation>Débit en mégabits par seconde</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Taille de carte</translation>
    </message>
    <message>
        <source>Card size in gigabytes</source>
        <translation>Taille de carte en gigaoctets</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Recording time in hours, minutes and seconds</source>
        <translation>Durée d&apos;enregistrement en heures, minutes et secondes</translation>
    </message>
    <message>
        <source>Hours:Minutes:Seconds</source>
        <translation>heures:minutes:secondes</translation>
    </message>
    <message>
        <source>Mbits/sec</source>
        <translation>Mbit/s</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Calculate Bitrate in Mbits/sec or MB/sec</source>
        <translation>Convertir le débit en Mbit/s ou Mo/s</translation>
    </message>
    <message>
        <source>Bitrate in megabytes per second</source>
        <translation>Débit en mégaoctets par seconde</translation>
    </message>
    <message>
        <source>MB/sec</source>
        <translation>Mo/s</translation>
    </message>
</context>
</TS>
