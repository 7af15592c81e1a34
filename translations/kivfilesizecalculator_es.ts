<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
</context>
</TS>
