<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DesignNotes</name>
    <message>
        <source>Enter the earth resistivity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earth resistivity must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the electrode length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrode length must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the electrode diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrode diameter must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the wire length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire length must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the wire diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire diameter must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the wire depth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire depth must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the distance from E1 to E2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The distance from E1 to E2 must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the measured resistance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The measured resistance must be above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the number of electrodes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of electrodes must be at least 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A wire this thick cannot lie buried this shallow: its radius is more than its depth.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrode is shorter than its diameter: no rod formula holds for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrode is less than ten times as long as its diameter: the approximation no longer holds here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrodes stand closer together than they are long: the approximation no longer holds here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wire lies deeper than the electrodes reach: the approximation no longer holds here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No figure: these inputs give no value the approximation can stand for.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About MyApp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmDetails</name>
    <message>
        <source>Analysis Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmGraph</name>
    <message>
        <source>Fall of Potential</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Stakewell Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Stakewell...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Stakewell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Electrode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth Resistivity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter-Ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click here to copy results below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.625</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Electrodes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Electrodes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gauge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AWG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire Depth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Le&amp;ngth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Between Electrodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing between Electrodes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wire Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutual Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon Results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fall Of Potential:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E1--P1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>62% Point:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point 0 of 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4-Point Test:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E1 = 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E2 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P1 = 16.7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P2 = 33.3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ohm-meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;oil Survey...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files (Ctrl+R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;End Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Text...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSite</name>
    <message>
        <source>Site Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Engineer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test &amp;date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSoil</name>
    <message>
        <source>Soil Survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Array:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wenner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schlumberger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lengths in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new reading after the current one (Insert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected readings (Delete)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth resistivity for the design:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use in Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mid-range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Use in Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::about::SysInfo</name>
    <message>
        <source>Looked for the system information viewer the registry names (MSINFO32.EXE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked for these viewers on the PATH: %1. Installing one of them makes this button start it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::about::frmAbout</name>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 the Stakewell project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::app::RecoveryOffer</name>
    <message>
        <source>Data file: none, the work was never saved to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data file: &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stakewell did not close normally last time, and kept the work it had.

Last changed: %1
%2

Restore brings the work back, unsaved. Discard deletes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work kept from a run that did not close normally could not be read from &quot;%1&quot;:
%2.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has been kept as &quot;%1&quot;. Stakewell starts as usual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved aside. Stakewell starts as usual.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::graph::frmGraph</name>
    <message>
        <source>&amp;Copy Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Graph As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Test Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Test Report as P&amp;DF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site Rec&amp;ord...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aste Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Readings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Readings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatness &amp;Tolerance...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis Detai&amp;ls...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pape&amp;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Graph As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the graph to &quot;%1&quot;:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Test Report As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the test report to &quot;%1&quot;:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings (*.csv *.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read readings from &quot;%1&quot;:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readings were taken from %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not export the readings to &quot;%1&quot;:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flatness Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Largest deviation at 52% and 72% of E2, in percent:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::FopPage</name>
    <message>
        <source>Added. A reading at %1 Feet was already in the list: the analysis uses the mean of the readings there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: the resistance must be above 0 Ohms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: the resistance must be at most %1 Ohms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: the distance must be above 0 Feet and below the E2 distance, %1 Feet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: the distance must be at most %1 Feet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: the list already holds %1 points.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::InputHint</name>
    <message>
        <source>Read as %1: the blanks inside the number are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number: read as 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as %1: the rest of the text is ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a gauge: read as gauge 1/0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read as gauge %1: the rest of the text is ignored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::mainwindow::WorkFiles</name>
    <message>
        <source>Read Data From File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data File (*.xml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Text To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read data from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save data to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the report to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not %1 &quot;%2&quot;:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The state of the last run could not be read from &quot;%1&quot;:
%2.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has been kept as &quot;%1&quot;. Stakewell starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be moved aside, so this run&apos;s state will not be written over it. Stakewell starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file no longer exists; it is taken off the recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stakewell opens one data file at a time; %1 files were dropped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read data from &quot;%1&quot;:
Only a file on this computer can be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a CSV file, not a data file.
Import its readings into the fall-of-potential test?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::SoilCells</name>
    <message>
        <source>metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance (ohms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Probe depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the probe depth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::SoilPlot</name>
    <message>
        <source>At %1 %2: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>misfit %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; model %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>stakewell::soilwindow::frmSoil</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ohm-metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 readings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not typed yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod of %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rod:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The two-layer fit is %1.

Write %2 ohm-metres, the rod&apos;s figure from that fit, into the design&apos;s earth resistivity all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity is now %1 ohm-metres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity was changed since; it was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The design&apos;s earth resistivity is back to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: a survey holds at most %1 readings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Soil Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soil readings (*.csv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read soil readings from %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readings were taken from the pasted text:
It is too large for a survey.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pasted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readings were taken from %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings were not exported:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are none.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Soil Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soil readings (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not export the soil readings to %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
