<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Achsentafel</name>
    <message>
        <source>Horizontale Achse:</source>
        <translation>Horizontal axis:</translation>
    </message>
</context>
<context>
    <name>StrahlungsFenster</name>
    <message>
        <source>Strahlungsleistung über der Frequenz von 0 bis %1&#xa0;THz</source>
        <translation>Radiant power against frequency from 0 to %1&#xa0;THz</translation>
    </message>
    <message>
        <source>Strahlungsleistung über der Wellenlänge von 0 bis %1&#xa0;nm</source>
        <translation>Radiant power against wavelength from 0 to %1&#xa0;nm</translation>
    </message>
    <message>
        <source>; die Bildhöhe entspricht der maximalen Strahlungsleistung bei %1&#xa0;K.</source>
        <translation>; the picture height stands for the maximum radiant power at %1&#xa0;K.</translation>
    </message>
    <message>
        <source>bei %1&#xa0;%2</source>
        <translation>at %1&#xa0;%2</translation>
    </message>
    <message>
        <source> (rechts außerhalb der Achse)</source>
        <translation> (beyond the right end of the axis)</translation>
    </message>
    <message>
        <source> (über dem oberen Bildrand)</source>
        <translation> (above the top of the picture)</translation>
    </message>
    <message>
        <source>für %1&#xa0;K %2</source>
        <translation>for %1&#xa0;K %2</translation>
    </message>
    <message>
        <source> und </source>
        <translation> and </translation>
    </message>
    <message>
        <source>&amp;Temperatur</source>
        <translation>&amp;Temperature</translation>
    </message>
    <message>
        <source>vorgegeben (1 bis 5)</source>
        <translation>preset (1 to 5)</translation>
    </message>
    <message>
        <source>variabel (jeweils 1)</source>
        <translation>variable (1 at a time)</translation>
    </message>
    <message>
        <source>Kelvin = Einheit der Temperatur ab absolutem Nullpunkt</source>
        <translation>kelvin = unit of temperature measured from absolute zero</translation>
    </message>
    <message>
        <source>T = %1&#xa0;Kelvin</source>
        <translation>T = %1&#xa0;kelvin</translation>
    </message>
    <message>
        <source>steht für die Sonnenoberfläche (rund 5800&#xa0;K)</source>
        <translation>stands for the surface of the Sun (about 5800&#xa0;K)</translation>
    </message>
    <message>
        <source>Strichbreite</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>Vertikale Achse:</source>
        <translation>Vertical axis:</translation>
    </message>
    <message>
        <source>Bildhöhe = max. Strahlungs-</source>
        <translation>Picture height = max. power</translation>
    </message>
    <message>
        <source>leistung bei der Temperatur</source>
        <translation>radiated at the temperature</translation>
    </message>
    <message>
        <source>Frequenzen von 0 bis</source>
        <translation>Frequencies from 0 to</translation>
    </message>
    <message>
        <source>Wellenlängen von 0 bis</source>
        <translation>Wavelengths from 0 to</translation>
    </message>
</context>
<context>
    <name>Strahlungsdiagramm</name>
    <message>
        <source>Strahlungsleistung</source>
        <translation>Radiant power</translation>
    </message>
    <message>
        <source>maximale Strahlungsleistung bei %1&#xa0;K</source>
        <translation>maximum radiant power at %1&#xa0;K</translation>
    </message>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>sichtbarer Bereich</source>
        <translation>visible range</translation>
    </message>
    <message>
        <source>sichtbarer</source>
        <extracomment>the two lines of &quot;sichtbarer Bereich&quot; where the band is narrow</extracomment>
        <translation>visible</translation>
    </message>
    <message>
        <source>Bereich</source>
        <translation>range</translation>
    </message>
</context>
<context>
    <name>Strahlungsformel</name>
    <message>
        <source>keine Zahl</source>
        <translation>not a number</translation>
    </message>
    <message>
        <source>−unendlich</source>
        <translation>−infinity</translation>
    </message>
    <message>
        <source>unendlich</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>Ein Körper der Temperatur T strahlt pro m² und sr zwischen</source>
        <translation>A body at the temperature T radiates per m² and sr between</translation>
    </message>
    <message>
        <source>f und f + df die Leistung S · df ab; S ist bei f ≈ 2,82·k·T/h</source>
        <translation>f and f + df the power S · df; S is greatest at f ≈ 2.82·k·T/h.</translation>
    </message>
    <message>
        <source>am größten. Die Kurve zeigt dagegen die Leistung pro</source>
        <translation>The curve, however, shows the power per wavelength</translation>
    </message>
    <message>
        <source>Wellenlängenintervall, eingetragen bei f = c/λ.</source>
        <translation>interval, plotted at f = c/λ.</translation>
    </message>
    <message>
        <source>Ein Körper mit der absoluten Temperatur T strahlt</source>
        <translation>A body at the absolute temperature T radiates</translation>
    </message>
    <message>
        <source>in einem engen Wellenlängenbereich von λ bis λ + dλ</source>
        <translation>in a narrow range of wavelengths from λ to λ + dλ</translation>
    </message>
    <message>
        <source>pro m² und sr die Leistung S · dλ ab (W·m⁻³·sr⁻¹).</source>
        <translation>the power S · dλ per m² and sr (W·m⁻³·sr⁻¹).</translation>
    </message>
    <message>
        <source>h = Planck’sche Konstante</source>
        <translation>h = Planck constant</translation>
    </message>
    <message>
        <source>c = Lichtgeschwindigkeit</source>
        <translation>c = speed of light</translation>
    </message>
    <message>
        <source>k = Boltzmann-Konstante</source>
        <translation>k = Boltzmann constant</translation>
    </message>
</context>
<context>
    <name>Strahlungswerte</name>
    <message>
        <source>Frequenz / THz</source>
        <translation>Frequency / THz</translation>
    </message>
    <message>
        <source>Wellenlänge / nm</source>
        <translation>Wavelength / nm</translation>
    </message>
    <message>
        <source>gemessen (Planck)</source>
        <translation>measured (Planck)</translation>
    </message>
    <message>
        <source>Rayleigh-Jeans</source>
        <translation>Rayleigh–Jeans</translation>
    </message>
    <message>
        <source>Wien : gemessen</source>
        <translation>Wien : measured</translation>
    </message>
    <message>
        <source>Rayleigh-Jeans : gemessen</source>
        <translation>Rayleigh–Jeans : measured</translation>
    </message>
</context>
<context>
    <name>TFormPlanckGesetz</name>
    <message>
        <source>Strahlungskurven nach Planck</source>
        <translation>Radiation curves by Planck’s law</translation>
    </message>
    <message>
        <source>Planck’sches Strahlungsgesetz über der Frequenz</source>
        <translation>Planck’s radiation law over frequency</translation>
    </message>
    <message>
        <source>S = 2·h·f³/c² · 1/(e^(h·f/(k·T)) − 1). Ein Körper der Temperatur T strahlt pro m² und sr zwischen f und f + df die Leistung S · df ab; die Kurve zeigt dagegen die Leistung pro Wellenlängenintervall, eingetragen bei f = c/λ.</source>
        <translation>S = 2·h·f³/c² · 1/(e^(h·f/(k·T)) − 1). A body at the temperature T radiates per m² and sr between f and f + df the power S · df; the curve, however, shows the power per wavelength interval, plotted at f = c/λ.</translation>
    </message>
    <message>
        <source>Planck’sches Strahlungsgesetz über der Wellenlänge</source>
        <translation>Planck’s radiation law over wavelength</translation>
    </message>
    <message>
        <source>S = 2·h·c²/λ⁵ · 1/(e^(h·c/(λ·k·T)) − 1). Ein Körper mit der absoluten Temperatur T strahlt im Wellenlängenbereich von λ bis λ + dλ pro m² und sr die Leistung S · dλ ab (W·m⁻³·sr⁻¹).</source>
        <translation>S = 2·h·c²/λ⁵ · 1/(e^(h·c/(λ·k·T)) − 1). A body at the absolute temperature T radiates in the range of wavelengths from λ to λ + dλ the power S · dλ per m² and sr (W·m⁻³·sr⁻¹).</translation>
    </message>
    <message>
        <source>Konstanten des Strahlungsgesetzes</source>
        <translation>Constants of the radiation law</translation>
    </message>
    <message>
        <source>, mit dem markierten und farbig gezeigten sichtbaren Bereich</source>
        <translation>, with the visible range marked and shown in colour</translation>
    </message>
    <message>
        <source>, mit dem markierten sichtbaren Bereich</source>
        <translation>, with the visible range marked</translation>
    </message>
    <message>
        <source>Keine Temperatur gewählt.</source>
        <translation>No temperature chosen.</translation>
    </message>
    <message>
        <source>Strahlungskurve für %1&#xa0;K.</source>
        <translation>Radiation curve for %1&#xa0;K.</translation>
    </message>
    <message>
        <source>Strahlungskurve für %1&#xa0;K mit dem Maximum %2.</source>
        <translation>Radiation curve for %1&#xa0;K with its maximum %2.</translation>
    </message>
    <message>
        <source>Strahlungskurven für %1.</source>
        <translation>Radiation curves for %1.</translation>
    </message>
    <message>
        <source>Strahlungskurven mit den Maxima %1.</source>
        <translation>Radiation curves with their maxima %1.</translation>
    </message>
    <message>
        <source>h = %1&#xa0;J·s (Planck’sche Konstante), c = %2&#xa0;m/s (Lichtgeschwindigkeit), k = %3&#xa0;J/K (Boltzmann-Konstante).</source>
        <translation>h = %1&#xa0;J·s (Planck constant), c = %2&#xa0;m/s (speed of light), k = %3&#xa0;J/K (Boltzmann constant).</translation>
    </message>
    <message>
        <source>  Das Strahlungsgesetz von Max Planck</source>
        <translation>  Max Planck’s radiation law</translation>
    </message>
    <message>
        <source>Das Planck’sche Strahlungsgesetz</source>
        <translation>Planck’s radiation law</translation>
    </message>
    <message>
        <source>mit dem &amp;Spektrum</source>
        <translation>with the &amp;spectrum</translation>
    </message>
    <message>
        <source>des sichtbaren Lichts</source>
        <translation>of visible light</translation>
    </message>
    <message>
        <source>Zeichne die Planck’sche Strahlungskurve</source>
        <translation>Draw Planck’s radiation curve</translation>
    </message>
    <message>
        <source>&amp;abhängig von der </source>
        <translation>&amp;as a function of</translation>
    </message>
    <message>
        <source>Frequenz</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>Wellenlänge</source>
        <translation>wavelength</translation>
    </message>
    <message>
        <source>Zeige das</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>&amp;Planck’sche Strahlungsgesetz</source>
        <translation>&amp;Planck’s radiation law</translation>
    </message>
    <message>
        <source>Erkläre die &amp;Konstanten</source>
        <translation>Explain the &amp;constants</translation>
    </message>
</context>
<context>
    <name>TFormSchwarzkoerper</name>
    <message>
        <source>Strahlungskurven des Schwarzen Körpers</source>
        <translation>Radiation curves of the black body</translation>
    </message>
    <message>
        <source>, mit dem Spektrum des sichtbaren Lichts</source>
        <translation>, with the spectrum of visible light</translation>
    </message>
    <message>
        <source>gemessen</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>nach Wien</source>
        <translation>by Wien’s law</translation>
    </message>
    <message>
        <source>nach Rayleigh-Jeans</source>
        <translation>by the Rayleigh–Jeans law</translation>
    </message>
    <message>
        <source>Verhältnis „Wien“ : „gemessen“</source>
        <translation>ratio “Wien” : “measured”</translation>
    </message>
    <message>
        <source>Verhältnis „Rayleigh-Jeans“ : „gemessen“</source>
        <translation>ratio “Rayleigh–Jeans” : “measured”</translation>
    </message>
    <message>
        <source>die Kurve des Wien’schen Verschiebungsgesetzes durch die Maxima</source>
        <translation>the curve of Wien’s displacement law through the maxima</translation>
    </message>
    <message>
        <source>Kurven für %1: %2</source>
        <translation>Curves for %1: %2</translation>
    </message>
    <message>
        <source>; dazu %1.</source>
        <translation>; also %1.</translation>
    </message>
    <message>
        <source>Gezeichnet ist nur %1.</source>
        <translation>Only %1 is drawn.</translation>
    </message>
    <message>
        <source>Keine Temperatur gewählt.</source>
        <translation>No temperature chosen.</translation>
    </message>
    <message>
        <source>Keine Kurve gewählt.</source>
        <translation>No curve chosen.</translation>
    </message>
    <message>
        <source>Die gemessene Kurve hat ihr Maximum %1.</source>
        <translation>The measured curve has its maximum %1.</translation>
    </message>
    <message>
        <source>Maxima der gemessenen Kurven %1.</source>
        <translation>Maxima of the measured curves %1.</translation>
    </message>
    <message>
        <source>  Strahlung eines Schwarzen Körpers</source>
        <translation>  Radiation of a black body</translation>
    </message>
    <message>
        <source>Die Strahlung eines Schwarzen Körpers</source>
        <translation>The radiation of a black body</translation>
    </message>
    <message>
        <source>&amp;Hinweise/Info</source>
        <translation>&amp;Hints/info</translation>
    </message>
    <message>
        <source>l&amp;öschen</source>
        <translation>d&amp;elete</translation>
    </message>
    <message>
        <source>Mit Wien-&amp;Verschiebungs-Gesetz</source>
        <translation>With Wien’s &amp;displacement law</translation>
    </message>
    <message>
        <source>Wien’sches Verschiebungsgesetz</source>
        <translation>Wien’s displacement law</translation>
    </message>
    <message>
        <source>Mit dem &amp;Spektrum des</source>
        <translation>With the &amp;spectrum of</translation>
    </message>
    <message>
        <source>sichtbaren Lichts</source>
        <translation>visible light</translation>
    </message>
    <message>
        <source>Strahlungskurve</source>
        <translation>Radiation curve</translation>
    </message>
    <message>
        <source>&amp;abhängig von </source>
        <translation>&amp;as a function of</translation>
    </message>
    <message>
        <source>der Frequenz</source>
        <translation>frequency</translation>
    </message>
    <message>
        <source>der Wellenlänge</source>
        <translation>wavelength</translation>
    </message>
    <message>
        <source>&amp;gemessene Kurve</source>
        <translation>&amp;measured curve</translation>
    </message>
    <message>
        <source>berechnet nach &amp;Wien’schem Gesetz</source>
        <translation>calculated by &amp;Wien’s law</translation>
    </message>
    <message>
        <source>berechnet nach &amp;Rayleigh-Jeans-G.</source>
        <translation>calculated by &amp;Rayleigh–Jeans law</translation>
    </message>
    <message>
        <source>Zeige Verhältnis (Quotient)</source>
        <translation>Show ratio (quotient)</translation>
    </message>
    <message>
        <source>„W&amp;ien“ : „gemessen“</source>
        <translation>“W&amp;ien” : “measured”</translation>
    </message>
    <message>
        <source>„Rayleigh-&amp;Jeans“ : „gemessen“</source>
        <translation>“Rayleigh–&amp;Jeans” : “measured”</translation>
    </message>
</context>
</TS>
