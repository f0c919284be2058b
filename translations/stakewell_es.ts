<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DesignNotes</name>
    <message>
        <source>Enter the earth resistivity.</source>
        <translation>Introduzca la resistividad del terreno.</translation>
    </message>
    <message>
        <source>The earth resistivity must be above 0.</source>
        <translation>La resistividad del terreno debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the electrode length.</source>
        <translation>Introduzca la longitud del electrodo.</translation>
    </message>
    <message>
        <source>The electrode length must be above 0.</source>
        <translation>La longitud del electrodo debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the electrode diameter.</source>
        <translation>Introduzca el diámetro del electrodo.</translation>
    </message>
    <message>
        <source>The electrode diameter must be above 0.</source>
        <translation>El diámetro del electrodo debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the wire length.</source>
        <translation>Introduzca la longitud del conductor.</translation>
    </message>
    <message>
        <source>The wire length must be above 0.</source>
        <translation>La longitud del conductor debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the wire diameter.</source>
        <translation>Introduzca el diámetro del conductor.</translation>
    </message>
    <message>
        <source>The wire diameter must be above 0.</source>
        <translation>El diámetro del conductor debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the wire depth.</source>
        <translation>Introduzca la profundidad del conductor.</translation>
    </message>
    <message>
        <source>The wire depth must be above 0.</source>
        <translation>La profundidad del conductor debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the distance from E1 to E2.</source>
        <translation>Introduzca la distancia de E1 a E2.</translation>
    </message>
    <message>
        <source>The distance from E1 to E2 must be above 0.</source>
        <translation>La distancia de E1 a E2 debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the measured resistance.</source>
        <translation>Introduzca la resistencia medida.</translation>
    </message>
    <message>
        <source>The measured resistance must be above 0.</source>
        <translation>La resistencia medida debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>Enter the number of electrodes.</source>
        <translation>Introduzca el número de electrodos.</translation>
    </message>
    <message>
        <source>The number of electrodes must be at least 1.</source>
        <translation>El número de electrodos debe ser al menos 1.</translation>
    </message>
    <message>
        <source>A wire this thick cannot lie buried this shallow: its radius is more than its depth.</source>
        <translation>Un conductor tan grueso no puede enterrarse a tan poca profundidad: su radio supera su profundidad.</translation>
    </message>
    <message>
        <source>The electrode is shorter than its diameter: no rod formula holds for it.</source>
        <translation>El electrodo es más corto que su diámetro: no le es aplicable ninguna fórmula de varilla.</translation>
    </message>
    <message>
        <source>The electrode is less than ten times as long as its diameter: the approximation no longer holds here.</source>
        <translation>La longitud del electrodo es menor que diez veces su diámetro: la aproximación deja de ser válida aquí.</translation>
    </message>
    <message>
        <source>The electrodes stand closer together than they are long: the approximation no longer holds here.</source>
        <translation>La separación entre electrodos es menor que su longitud: la aproximación deja de ser válida aquí.</translation>
    </message>
    <message>
        <source>The wire lies deeper than the electrodes reach: the approximation no longer holds here.</source>
        <translation>El conductor está más profundo de lo que alcanzan los electrodos: la aproximación deja de ser válida aquí.</translation>
    </message>
    <message>
        <source>No figure: these inputs give no value the approximation can stand for.</source>
        <translation>Sin valor: con estos datos la aproximación no da ningún valor válido.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation>Acerca de MyApp</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Título de la aplicación</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Descripción de la aplicación</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
</context>
<context>
    <name>frmDetails</name>
    <message>
        <source>Analysis Details</source>
        <translation>Detalles del análisis</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>frmGraph</name>
    <message>
        <source>Fall of Potential</source>
        <translation>Caída de potencial</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Stakewell Help</source>
        <translation>Ayuda de Stakewell</translation>
    </message>
    <message>
        <source>&amp;About Stakewell...</source>
        <translation>&amp;Acerca de Stakewell...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Stakewell</source>
        <translation>Stakewell</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Único</translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation>Múltiple</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Poly</source>
        <translation>Políg.</translation>
    </message>
    <message>
        <source>FOP</source>
        <translation>CdP</translation>
    </message>
    <message>
        <source>4-Point</source>
        <translation>4 ptos</translation>
    </message>
    <message>
        <source>Single Electrode:</source>
        <translation>Electrodo único:</translation>
    </message>
    <message>
        <source>Earth Resistivity:</source>
        <translation>Resistividad del terreno:</translation>
    </message>
    <message>
        <source>Meter-Ohms</source>
        <translation>Ω·m</translation>
    </message>
    <message>
        <source>Electrode Length:</source>
        <translation>Longitud del electrodo:</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Electrode Diameter:</source>
        <translation>Diámetro del electrodo:</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>Double-click here to copy results below.</source>
        <translation>Doble clic aquí para copiar los resultados.</translation>
    </message>
    <message>
        <source>0.625</source>
        <translation>0.625</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Electrode Resistance:</source>
        <translation>Resistencia del electrodo:</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>Ohmios</translation>
    </message>
    <message>
        <source>Multiple Electrodes:</source>
        <translation>Electrodos múltiples:</translation>
    </message>
    <message>
        <source>Number of Electrodes:</source>
        <translation>Número de electrodos:</translation>
    </message>
    <message>
        <source>Wire Size:</source>
        <translation>Tamaño del conductor:</translation>
    </message>
    <message>
        <source>&amp;Diameter</source>
        <translation>&amp;Diámetro</translation>
    </message>
    <message>
        <source>&amp;Gauge</source>
        <translation>Cal&amp;ibre</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>Wire Depth:</source>
        <translation>Profundidad del conductor:</translation>
    </message>
    <message>
        <source>Wire Length:</source>
        <translation>Longitud del conductor:</translation>
    </message>
    <message>
        <source>Total Le&amp;ngth</source>
        <translation>Longitud &amp;total</translation>
    </message>
    <message>
        <source>&amp;Between Electrodes</source>
        <translation>&amp;Entre electrodos</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Linear Results:</source>
        <translation>Resultados en línea:</translation>
    </message>
    <message>
        <source>Spacing between Electrodes:</source>
        <translation>Separación entre electrodos:</translation>
    </message>
    <message>
        <source>Wire Resistance:</source>
        <translation>Resistencia del conductor:</translation>
    </message>
    <message>
        <source>Mutual Resistance:</source>
        <translation>Resistencia mutua:</translation>
    </message>
    <message>
        <source>Total Resistance:</source>
        <translation>Resistencia total:</translation>
    </message>
    <message>
        <source>Polygon Results:</source>
        <translation>Resultados en polígono:</translation>
    </message>
    <message>
        <source>Fall Of Potential:</source>
        <translation>Caída de potencial:</translation>
    </message>
    <message>
        <source>E1--P1:</source>
        <translation>E1--P1:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>62% Point:</source>
        <translation>Punto del 62%:</translation>
    </message>
    <message>
        <source>31.0</source>
        <translation>31.0</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>Point 0 of 0</source>
        <translation>Punto 0 de 0</translation>
    </message>
    <message>
        <source>k%</source>
        <translation>k%</translation>
    </message>
    <message>
        <source>E2:</source>
        <translation>E2:</translation>
    </message>
    <message>
        <source>&amp;Add Point</source>
        <translation>&amp;Añadir punto</translation>
    </message>
    <message>
        <source>&amp;Remove Point</source>
        <translation>&amp;Quitar punto</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Borrar todo</translation>
    </message>
    <message>
        <source>4-Point Test:</source>
        <translation>Prueba de 4 puntos:</translation>
    </message>
    <message>
        <source>Measured Resistance:</source>
        <translation>Resistencia medida:</translation>
    </message>
    <message>
        <source>E1 = 0</source>
        <translation>E1 = 0</translation>
    </message>
    <message>
        <source>E2 =</source>
        <translation>E2 =</translation>
    </message>
    <message>
        <source>P1 = 16.7</source>
        <translation>P1 = 16.7</translation>
    </message>
    <message>
        <source>P2 = 33.3</source>
        <translation>P2 = 33.3</translation>
    </message>
    <message>
        <source>Ohm-meters</source>
        <translation>Ω·m</translation>
    </message>
    <message>
        <source>S&amp;oil Survey...</source>
        <translation>S&amp;uelo...</translation>
    </message>
    <message>
        <source>Recent Files (Ctrl+R)</source>
        <translation>Archivos recientes (Ctrl+R)</translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation>Archivos recientes</translation>
    </message>
    <message>
        <source>&amp;End Program</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Load Data...</source>
        <translation>&amp;Cargar datos...</translation>
    </message>
    <message>
        <source>&amp;Save Data...</source>
        <translation>&amp;Guardar datos...</translation>
    </message>
    <message>
        <source>Save &amp;Text...</source>
        <translation>Guardar te&amp;xto...</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>U&amp;nidades:</translation>
    </message>
    <message>
        <source>Imperial (ft, in, AWG)</source>
        <translation>Imperial (pie, pulg, AWG)</translation>
    </message>
    <message>
        <source>Metric (m, mm, mm²)</source>
        <translation>Métrico (m, mm, mm²)</translation>
    </message>
    <message>
        <source>La&amp;yers</source>
        <translation>Capa&amp;s</translation>
    </message>
    <message>
        <source>Two-Layer Soil:</source>
        <translation>Suelo de dos capas:</translation>
    </message>
    <message>
        <source>ρ&amp;1:</source>
        <translation>ρ&amp;1:</translation>
    </message>
    <message>
        <source>Upper layer&apos;s resistivity, ohm-metres</source>
        <translation>Resistividad de la capa superior, ohmios-metro</translation>
    </message>
    <message>
        <source>ρ&amp;2:</source>
        <translation>ρ&amp;2:</translation>
    </message>
    <message>
        <source>Lower layer&apos;s resistivity, ohm-metres</source>
        <translation>Resistividad de la capa inferior, ohmios-metro</translation>
    </message>
    <message>
        <source>ohm-m</source>
        <translation>Ω·m</translation>
    </message>
    <message>
        <source>&amp;h:</source>
        <translation>&amp;h:</translation>
    </message>
    <message>
        <source>Upper layer&apos;s depth</source>
        <translation>Profundidad de la capa superior</translation>
    </message>
    <message>
        <source>Resistances, uniform and two-layer</source>
        <translation>Resistencias, uniforme y de dos capas</translation>
    </message>
    <message>
        <source>Use the linear equivalent in the design</source>
        <translation>Usar en el diseño el equivalente en línea</translation>
    </message>
    <message>
        <source>Use l&amp;inear</source>
        <translation>Usa&amp;r línea</translation>
    </message>
    <message>
        <source>Use the polygon equivalent in the design</source>
        <translation>Usar en el diseño el equivalente en polígono</translation>
    </message>
    <message>
        <source>Use &amp;polygon</source>
        <translation>Usar &amp;polígono</translation>
    </message>
</context>
<context>
    <name>frmSite</name>
    <message>
        <source>Site Record</source>
        <translation>Registro del sitio</translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation>&amp;Sitio:</translation>
    </message>
    <message>
        <source>&amp;Engineer:</source>
        <translation>Ingenie&amp;ro:</translation>
    </message>
    <message>
        <source>Test &amp;date:</source>
        <translation>&amp;Fecha de prueba:</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-DD</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrumento:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
</context>
<context>
    <name>frmSoil</name>
    <message>
        <source>Soil Survey</source>
        <translation>Estudio del suelo</translation>
    </message>
    <message>
        <source>Array:</source>
        <translation>Configuración:</translation>
    </message>
    <message>
        <source>&amp;Wenner</source>
        <translation>&amp;Wenner</translation>
    </message>
    <message>
        <source>&amp;Schlumberger</source>
        <translation>&amp;Schlumberger</translation>
    </message>
    <message>
        <source>Lengths in:</source>
        <translation>Longitudes en:</translation>
    </message>
    <message>
        <source>&amp;Feet</source>
        <translation>&amp;Pies</translation>
    </message>
    <message>
        <source>&amp;Metres</source>
        <translation>&amp;Metros</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Añadir fila</translation>
    </message>
    <message>
        <source>A new reading after the current one (Insert)</source>
        <translation>Una nueva lectura tras la actual (Insert)</translation>
    </message>
    <message>
        <source>&amp;Remove Row</source>
        <translation>&amp;Quitar fila</translation>
    </message>
    <message>
        <source>Removes the selected readings (Delete)</source>
        <translation>Quita las lecturas seleccionadas (Supr)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>&amp;Importar CSV...</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Earth resistivity for the design:</source>
        <translation>Resistividad del terreno para el diseño:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>Media:</translation>
    </message>
    <message>
        <source>Use in Design</source>
        <translation>Usar en el diseño</translation>
    </message>
    <message>
        <source>Mid-range:</source>
        <translation>Rango medio:</translation>
    </message>
    <message>
        <source>Rod:</source>
        <translation>Varilla:</translation>
    </message>
    <message>
        <source>Undo Use in Design</source>
        <translation>Deshacer uso en el diseño</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Layers s&amp;hown:</source>
        <translation>&amp;Capas mostradas:</translation>
    </message>
    <message>
        <source>Chosen by the data</source>
        <translation>Elegidas por los datos</translation>
    </message>
    <message>
        <source>1 layer</source>
        <translation>1 capa</translation>
    </message>
    <message>
        <source>2 layers</source>
        <translation>2 capas</translation>
    </message>
    <message>
        <source>3 layers</source>
        <translation>3 capas</translation>
    </message>
    <message>
        <source>4 layers</source>
        <translation>4 capas</translation>
    </message>
    <message>
        <source>Each traverse&apos;s &amp;own model</source>
        <translation>Modelo pr&amp;opio de cada perfil</translation>
    </message>
    <message>
        <source>Linear design:</source>
        <translation>Diseño lineal:</translation>
    </message>
    <message>
        <source>The uniform resistivity that gives the design&apos;s linear total in the two-layer fit</source>
        <translation>La resistividad uniforme que da el total lineal del diseño en el ajuste de dos capas</translation>
    </message>
    <message>
        <source>Polygon design:</source>
        <translation>Diseño poligonal:</translation>
    </message>
    <message>
        <source>The uniform resistivity that gives the design&apos;s polygon total in the two-layer fit</source>
        <translation>La resistividad uniforme que da el total poligonal del diseño en el ajuste de dos capas</translation>
    </message>
</context>
<context>
    <name>stakewell::about::SysInfo</name>
    <message>
        <source>Looked for the system information viewer the registry names (MSINFO32.EXE).</source>
        <translation>Se buscó el visor de información del sistema que indica el registro (MSINFO32.EXE).</translation>
    </message>
    <message>
        <source>Looked for these viewers on the PATH: %1. Installing one of them makes this button start it.</source>
        <translation>Se buscaron estos visores en el PATH: %1. Si instala uno de ellos, este botón lo abrirá.</translation>
    </message>
</context>
<context>
    <name>stakewell::about::frmAbout</name>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Stakewell project.</source>
        <translation>Copyright © 2026 el proyecto Stakewell.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>stakewell::app::RecoveryOffer</name>
    <message>
        <source>Data file: none, the work was never saved to a file.</source>
        <translation>Archivo de datos: ninguno, el trabajo nunca se guardó en un archivo.</translation>
    </message>
    <message>
        <source>Data file: &quot;%1&quot;</source>
        <translation>Archivo de datos: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Stakewell did not close normally last time, and kept the work it had.

Last changed: %1
%2

Restore brings the work back, unsaved. Discard deletes it.</source>
        <translation>Stakewell no se cerró correctamente la última vez y conservó el trabajo que tenía.

Último cambio: %1
%2

Restaurar recupera el trabajo, sin guardar. Descartar lo elimina.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>The work kept from a run that did not close normally could not be read from &quot;%1&quot;:
%2.

</source>
        <translation>No se pudo leer de &quot;%1&quot; el trabajo conservado de una sesión que no se cerró correctamente:
%2.

</translation>
    </message>
    <message>
        <source>The file has been kept as &quot;%1&quot;. Stakewell starts as usual.</source>
        <translation>El archivo se ha conservado como &quot;%1&quot;. Stakewell se inicia como de costumbre.</translation>
    </message>
    <message>
        <source>It could not be moved aside. Stakewell starts as usual.</source>
        <translation>No se pudo apartar. Stakewell se inicia como de costumbre.</translation>
    </message>
</context>
<context>
    <name>stakewell::graph::frmGraph</name>
    <message>
        <source>&amp;Copy Graph</source>
        <translation>&amp;Copiar gráfico</translation>
    </message>
    <message>
        <source>&amp;Save Graph As...</source>
        <translation>&amp;Guardar gráfico como...</translation>
    </message>
    <message>
        <source>&amp;Print Test Report...</source>
        <translation>I&amp;mprimir informe de prueba...</translation>
    </message>
    <message>
        <source>Save Test Report as P&amp;DF...</source>
        <translation>Guardar informe de prueba como P&amp;DF...</translation>
    </message>
    <message>
        <source>Site Rec&amp;ord...</source>
        <translation>&amp;Registro del sitio...</translation>
    </message>
    <message>
        <source>P&amp;aste Readings</source>
        <translation>&amp;Pegar lecturas</translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation>&amp;Importar lecturas...</translation>
    </message>
    <message>
        <source>&amp;Export Readings...</source>
        <translation>&amp;Exportar lecturas...</translation>
    </message>
    <message>
        <source>Flatness &amp;Tolerance...</source>
        <translation>&amp;Tolerancia de planitud...</translation>
    </message>
    <message>
        <source>Analysis Detai&amp;ls...</source>
        <translation>Detalles del &amp;análisis...</translation>
    </message>
    <message>
        <source>Pape&amp;r</source>
        <translation>Pape&amp;l</translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation>A&amp;4</translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation>Guardar gráfico como</translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Drawing (*.svg)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>Could not save the graph to &quot;%1&quot;:
%2.</source>
        <translation>No se pudo guardar el gráfico en &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Save Test Report As</source>
        <translation>Guardar informe de prueba como</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could not save the test report to &quot;%1&quot;:
%2.</source>
        <translation>No se pudo guardar el informe de prueba en &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation>el texto pegado</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importar lecturas</translation>
    </message>
    <message>
        <source>Readings (*.csv *.txt)</source>
        <translation>Lecturas (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Could not read readings from &quot;%1&quot;:
%2.</source>
        <translation>No se pudieron leer lecturas de &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>The file is too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>No readings were taken from %1:
%2</source>
        <translation>No se tomó ninguna lectura de %1:
%2</translation>
    </message>
    <message>
        <source>Export Readings</source>
        <translation>Exportar lecturas</translation>
    </message>
    <message>
        <source>Readings (*.csv)</source>
        <translation>Lecturas (*.csv)</translation>
    </message>
    <message>
        <source>Could not export the readings to &quot;%1&quot;:
%2.</source>
        <translation>No se pudieron exportar las lecturas a &quot;%1&quot;:
%2.</translation>
    </message>
    <message>
        <source>Flatness Tolerance</source>
        <translation>Tolerancia de planitud</translation>
    </message>
    <message>
        <source>Largest deviation at 52% and 72% of E2, in percent:</source>
        <translation>Desviación máxima al 52% y al 72% de E2, en porcentaje:</translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::DesignUnits</name>
    <message>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Millimetres</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>mm²</source>
        <translation>mm²</translation>
    </message>
    <message>
        <source>Cross-section (&amp;G)</source>
        <translation>Secc&amp;ión</translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::FopPage</name>
    <message>
        <source>Added. A reading at %1 Feet was already in the list: the analysis uses the mean of the readings there.</source>
        <translation>Añadida. Ya había en la lista una lectura a %1 pies: el análisis usa la media de las lecturas en ese punto.</translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation>Punto %1 de %2</translation>
    </message>
    <message>
        <source>Not added: the resistance must be above 0 Ohms.</source>
        <translation>No añadida: la resistencia debe ser mayor que 0 ohmios.</translation>
    </message>
    <message>
        <source>Not added: the resistance must be at most %1 Ohms.</source>
        <translation>No añadida: la resistencia debe ser como máximo %1 ohmios.</translation>
    </message>
    <message>
        <source>Not added: the distance must be above 0 Feet and below the E2 distance, %1 Feet.</source>
        <translation>No añadida: la distancia debe ser mayor que 0 pies y menor que la distancia a E2, %1 pies.</translation>
    </message>
    <message>
        <source>Not added: the distance must be at most %1 Feet.</source>
        <translation>No añadida: la distancia debe ser como máximo %1 pies.</translation>
    </message>
    <message>
        <source>Not added: the list already holds %1 points.</source>
        <translation>No añadida: la lista ya contiene %1 puntos.</translation>
    </message>
    <message>
        <source>Metres</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Added. %1</source>
        <translation>Añadida. %1</translation>
    </message>
    <message>
        <source>Added. A reading at %1 Metres was already in the list: the analysis uses the mean of the readings there.</source>
        <translation>Añadida. Ya había en la lista una lectura a %1 metros: el análisis usa la media de las lecturas en ese punto.</translation>
    </message>
    <message>
        <source>Not added: the distance must be above 0 Metres and below the E2 distance, %1 Metres.</source>
        <translation>No añadida: la distancia debe ser mayor que 0 metros y menor que la distancia a E2, %1 metros.</translation>
    </message>
    <message>
        <source>Not added: the distance must be at most %1 Metres.</source>
        <translation>No añadida: la distancia debe ser como máximo %1 metros.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::InputHint</name>
    <message>
        <source>Read as %1: the blanks inside the number are skipped.</source>
        <translation>Leído como %1: se omiten los espacios dentro del número.</translation>
    </message>
    <message>
        <source>Not a number: read as 0.</source>
        <translation>No es un número: se lee como 0.</translation>
    </message>
    <message>
        <source>Read as %1: the rest of the text is ignored.</source>
        <translation>Leído como %1: se ignora el resto del texto.</translation>
    </message>
    <message>
        <source>Not a gauge: read as gauge 1/0.</source>
        <translation>No es un calibre: se lee como calibre 1/0.</translation>
    </message>
    <message>
        <source>Read as gauge %1: the rest of the text is ignored.</source>
        <translation>Leído como calibre %1: se ignora el resto del texto.</translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::LayeredPage</name>
    <message>
        <source>Uniform</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>Two-layer</source>
        <translation>2 capas</translation>
    </message>
    <message>
        <source>One electrode</source>
        <translation>Un electrodo</translation>
    </message>
    <message>
        <source>Linear electrodes</source>
        <translation>Electrodos línea</translation>
    </message>
    <message>
        <source>Linear wire</source>
        <translation>Conductor línea</translation>
    </message>
    <message>
        <source>Linear mutual</source>
        <translation>Mutua línea</translation>
    </message>
    <message>
        <source>Linear total</source>
        <translation>Total línea</translation>
    </message>
    <message>
        <source>Polygon electrodes</source>
        <translation>Electrodos polígono</translation>
    </message>
    <message>
        <source>Polygon wire</source>
        <translation>Conductor polígono</translation>
    </message>
    <message>
        <source>Polygon mutual</source>
        <translation>Mutua polígono</translation>
    </message>
    <message>
        <source>Polygon total</source>
        <translation>Total polígono</translation>
    </message>
    <message>
        <source>Equivalent resistivity, linear: none</source>
        <translation>Resistividad equiv., línea: ninguna</translation>
    </message>
    <message>
        <source>Equivalent resistivity, linear: %1 ohm-m</source>
        <translation>Resistividad equiv., línea: %1 Ω·m</translation>
    </message>
    <message>
        <source>Equivalent resistivity, polygon: none</source>
        <translation>Resistividad equiv., polígono: ninguna</translation>
    </message>
    <message>
        <source>Equivalent resistivity, polygon: %1 ohm-m</source>
        <translation>Resistividad equiv., polígono: %1 Ω·m</translation>
    </message>
    <message>
        <source>Type ρ1, ρ2 and h, or fit a soil survey.</source>
        <translation>Escriba ρ1, ρ2 y h, o ajuste un estudio del suelo.</translation>
    </message>
    <message>
        <source>Typed.</source>
        <translation>Escrito.</translation>
    </message>
    <message>
        <source>The survey&apos;s fit, graded good.</source>
        <translation>El ajuste del estudio, calificado bueno.</translation>
    </message>
    <message>
        <source>The survey&apos;s fit, graded usable.</source>
        <translation>El ajuste del estudio, calificado utilizable.</translation>
    </message>
    <message>
        <source>The survey&apos;s fit, graded poor.</source>
        <translation>El ajuste del estudio, calificado pobre.</translation>
    </message>
    <message>
        <source>The survey&apos;s fit, not assessed.</source>
        <translation>El ajuste del estudio, sin evaluar.</translation>
    </message>
    <message>
        <source>More than %1 rods are not computed in two layers.</source>
        <translation>Más de %1 varillas no se calculan en dos capas.</translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::WorkFiles</name>
    <message>
        <source>Read Data From File</source>
        <translation>Leer datos de un archivo</translation>
    </message>
    <message>
        <source>Data File (*.xml)</source>
        <translation>Archivo de datos (*.xml)</translation>
    </message>
    <message>
        <source>Save Data To File</source>
        <translation>Guardar datos en un archivo</translation>
    </message>
    <message>
        <source>Save Text To File</source>
        <translation>Guardar texto en un archivo</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Archivo de texto (*.txt)</translation>
    </message>
    <message>
        <source>the work</source>
        <translation>el trabajo</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source>read data from</source>
        <translation>leer los datos de</translation>
    </message>
    <message>
        <source>save data to</source>
        <translation>guardar los datos en</translation>
    </message>
    <message>
        <source>save the report to</source>
        <translation>guardar el informe en</translation>
    </message>
    <message>
        <source>Could not %1 &quot;%2&quot;:
%3.</source>
        <translation>No se pudo %1 &quot;%2&quot;:
%3.</translation>
    </message>
    <message>
        <source>The state of the last run could not be read from &quot;%1&quot;:
%2.

</source>
        <translation>No se pudo leer el estado de la última sesión de &quot;%1&quot;:
%2.

</translation>
    </message>
    <message>
        <source>The file has been kept as &quot;%1&quot;. Stakewell starts afresh.</source>
        <translation>El archivo se ha conservado como &quot;%1&quot;. Stakewell empieza de cero.</translation>
    </message>
    <message>
        <source>It could not be moved aside, so this run&apos;s state will not be written over it. Stakewell starts afresh.</source>
        <translation>No se pudo apartar, así que el estado de esta sesión no se escribirá sobre él. Stakewell empieza de cero.</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>The file no longer exists; it is taken off the recent files</source>
        <translation>El archivo ya no existe; se quita de los archivos recientes</translation>
    </message>
    <message>
        <source>Stakewell opens one data file at a time; %1 files were dropped.</source>
        <translation>Stakewell abre un solo archivo de datos a la vez; se soltaron %1 archivos.</translation>
    </message>
    <message>
        <source>Could not read data from &quot;%1&quot;:
Only a file on this computer can be opened.</source>
        <translation>No se pudieron leer los datos de &quot;%1&quot;:
Solo se puede abrir un archivo de este equipo.</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>El archivo no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a CSV file, not a data file.
Import its readings into the fall-of-potential test?</source>
        <translation>&quot;%1&quot; es un archivo CSV, no un archivo de datos.
¿Importar sus lecturas a la prueba de caída de potencial?</translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::SoilCells</name>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Separación</translation>
    </message>
    <message>
        <source>Resistance (ohms)</source>
        <translation>Resistencia (ohmios)</translation>
    </message>
    <message>
        <source>Probe depth</source>
        <translation>Prof. sonda</translation>
    </message>
    <message>
        <source>the spacing</source>
        <translation>la separación</translation>
    </message>
    <message>
        <source>the resistance</source>
        <translation>la resistencia</translation>
    </message>
    <message>
        <source>the probe depth</source>
        <translation>la profundidad de la sonda</translation>
    </message>
    <message>
        <source>1 metre</source>
        <translation>1 metro</translation>
    </message>
    <message>
        <source>1 foot</source>
        <translation>1 pie</translation>
    </message>
    <message>
        <source>Traverse</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Excluida</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::SoilPlot</name>
    <message>
        <source>At %1 %2: </source>
        <translation>A %1 %2: </translation>
    </message>
    <message>
        <source>misfit %1 %</source>
        <translation>desajuste %1 %</translation>
    </message>
    <message>
        <source>; model %1</source>
        <translation>; modelo %1</translation>
    </message>
    <message>
        <source>; 1 layer %1 %2</source>
        <translation>; 1 capa %1 %2</translation>
    </message>
    <message>
        <source>; %1 layers %2 %3</source>
        <translation>; %1 capas %2 %3</translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::frmSoil</name>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source> ohm-metres</source>
        <translation> ohmios-metro</translation>
    </message>
    <message>
        <source>1 reading.</source>
        <translation>1 lectura.</translation>
    </message>
    <message>
        <source>%1 readings.</source>
        <translation>%1 lecturas.</translation>
    </message>
    <message>
        <source>Reading %1: </source>
        <translation>Lectura %1: </translation>
    </message>
    <message>
        <source>%1 is not typed yet.</source>
        <translation>falta escribir %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation>&quot;%1&quot; no es un número.</translation>
    </message>
    <message>
        <source>Rod of %1:</source>
        <translation>Varilla de %1:</translation>
    </message>
    <message>
        <source>Rod:</source>
        <translation>Varilla:</translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity is now %1 ohm-metres.</source>
        <translation>La resistividad del terreno del diseño es ahora %1 ohmios-metro.</translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity was changed since; it was left as it is.</source>
        <translation>La resistividad del terreno del diseño ha cambiado desde entonces; se ha dejado como está.</translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity is back to &quot;%1&quot;.</source>
        <translation>La resistividad del terreno del diseño vuelve a ser &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Not added: a survey holds at most %1 readings.</source>
        <translation>No añadida: un estudio admite como máximo %1 lecturas.</translation>
    </message>
    <message>
        <source>Import Soil Readings</source>
        <translation>Importar lecturas de suelo</translation>
    </message>
    <message>
        <source>Soil readings (*.csv *.txt);;All files (*)</source>
        <translation>Lecturas de suelo (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Could not read soil readings from %1:
%2.</source>
        <translation>No se pudieron leer lecturas de suelo de %1:
%2.</translation>
    </message>
    <message>
        <source>The file is too large</source>
        <translation>El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>No readings were taken from the pasted text:
It is too large for a survey.</source>
        <translation>No se tomó ninguna lectura del texto pegado:
Es demasiado grande para un estudio.</translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation>el texto pegado</translation>
    </message>
    <message>
        <source>No readings were taken from %1:
%2</source>
        <translation>No se tomó ninguna lectura de %1:
%2</translation>
    </message>
    <message>
        <source>The readings were not exported:
%1</source>
        <translation>Las lecturas no se exportaron:
%1</translation>
    </message>
    <message>
        <source>There are none.</source>
        <translation>No hay ninguna.</translation>
    </message>
    <message>
        <source>Export Soil Readings</source>
        <translation>Exportar lecturas de suelo</translation>
    </message>
    <message>
        <source>Soil readings (*.csv)</source>
        <translation>Lecturas de suelo (*.csv)</translation>
    </message>
    <message>
        <source>Could not export the soil readings to %1:
%2.</source>
        <translation>No se pudieron exportar las lecturas de suelo a %1:
%2.</translation>
    </message>
    <message>
        <source>good</source>
        <translation>bueno</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>utilizable</translation>
    </message>
    <message>
        <source>not assessed</source>
        <translation>no evaluado</translation>
    </message>
    <message>
        <source>poor</source>
        <translation>malo</translation>
    </message>
    <message>
        <source>Layers</source>
        <translation>Capas</translation>
    </message>
    <message>
        <source>RMS %</source>
        <translation>RMS %</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuste</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>chosen by the data</source>
        <translation>elegido por los datos</translation>
    </message>
    <message>
        <source>poorly resolved</source>
        <translation>mal resuelto</translation>
    </message>
    <message>
        <source>outlier?</source>
        <translation>¿atípica?</translation>
    </message>
    <message>
        <source>Fitting...</source>
        <translation>Ajustando...</translation>
    </message>
    <message>
        <source>the rod&apos;s figure</source>
        <translation>el valor de la varilla</translation>
    </message>
    <message>
        <source>the linear design&apos;s figure</source>
        <translation>el valor del diseño lineal</translation>
    </message>
    <message>
        <source>the polygon design&apos;s figure</source>
        <translation>el valor del diseño poligonal</translation>
    </message>
    <message>
        <source>The two-layer fit is %1.

Write %2 ohm-metres, %3 from that fit, into the design&apos;s earth resistivity all the same?</source>
        <translation>El ajuste de dos capas es %1.

¿Escribir de todos modos %2 ohmios-metro, %3 según ese ajuste, en la resistividad del terreno del diseño?</translation>
    </message>
</context>
</TS>
