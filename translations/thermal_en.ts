<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>StrahlungsFenster</name>
    <message>
        <source>Strahlungsleistung über der Frequenz von 0 bis %1&#xa0;THz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strahlungsleistung über der Wellenlänge von 0 bis %1&#xa0;nm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; die Bildhöhe entspricht der maximalen Strahlungsleistung bei %1&#xa0;K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bei %1&#xa0;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (rechts außerhalb der Achse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (über dem oberen Bildrand)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>für %1&#xa0;K %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> und </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPlanckGesetz</name>
    <message>
        <source>Strahlungskurven nach Planck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planck’sches Strahlungsgesetz über der Frequenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S = 2·h·f³/c² · 1/(e^(h·f/(k·T)) − 1). Ein Körper der Temperatur T strahlt pro m² und sr zwischen f und f + df die Leistung S · df ab; die Kurve zeigt dagegen die Leistung pro Wellenlängenintervall, eingetragen bei f = c/λ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planck’sches Strahlungsgesetz über der Wellenlänge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S = 2·h·c²/λ⁵ · 1/(e^(h·c/(λ·k·T)) − 1). Ein Körper mit der absoluten Temperatur T strahlt im Wellenlängenbereich von λ bis λ + dλ pro m² und sr die Leistung S · dλ ab (W·m⁻³·sr⁻¹).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konstanten des Strahlungsgesetzes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mit dem markierten und farbig gezeigten sichtbaren Bereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mit dem markierten sichtbaren Bereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Temperatur gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strahlungskurve für %1&#xa0;K.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strahlungskurve für %1&#xa0;K mit dem Maximum %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strahlungskurven für %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strahlungskurven mit den Maxima %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h = %1&#xa0;J·s (Planck’sche Konstante), c = %2&#xa0;m/s (Lichtgeschwindigkeit), k = %3&#xa0;J/K (Boltzmann-Konstante).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormSchwarzkoerper</name>
    <message>
        <source>Strahlungskurven des Schwarzen Körpers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, mit dem Spektrum des sichtbaren Lichts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Wien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nach Rayleigh-Jeans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verhältnis „Wien“ : „gemessen“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verhältnis „Rayleigh-Jeans“ : „gemessen“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Kurve des Wien’schen Verschiebungsgesetzes durch die Maxima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kurven für %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; dazu %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gezeichnet ist nur %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Temperatur gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Kurve gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die gemessene Kurve hat ihr Maximum %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maxima der gemessenen Kurven %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
