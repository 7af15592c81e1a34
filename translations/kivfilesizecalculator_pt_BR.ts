<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
</context>
</TS>
