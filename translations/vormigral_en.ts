<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>vormigral::AideQt</name>
    <message>
        <source>VORMIGRAL - Aide / Help</source>
        <extracomment>The help holds both languages: its title names both.</extracomment>
        <translation>VORMIGRAL - Aide / Help</translation>
    </message>
    <message>
        <source>VORMIGRAL help</source>
        <translation>VORMIGRAL help</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The anchor of this language&apos;s section in the help page (vormigral.html): &quot;fr&quot; or &quot;en&quot;.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>vormigral::AnalyseMethode</name>
    <message>
        <source>%1%</source>
        <comment>a share of the cases or of the draws</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>%1 — 1 in %2</source>
        <translation>%1 — 1 in %2</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 numbers</translation>
    </message>
    <message>
        <source>2 or fewer</source>
        <translation>2 or fewer</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 drawn</translation>
    </message>
    <message>
        <source>kept in every case (%1 cases).</source>
        <translation>kept in every case (%1 cases).</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>kept except in %1 case(s) out of %2, where the best grid holds only %3.</source>
        <translation>
            <numerusform>kept except in %1 case out of %2, where the best grid holds only %3.</numerusform>
            <numerusform>kept except in %1 cases out of %2, where the best grid holds only %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3, %4</source>
        <translation>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3, %4</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>not possible</translation>
    </message>
    <message>
        <source>Drawn among your %1
(exactly)</source>
        <translation>Drawn among your %1
(exactly)</translation>
    </message>
    <message>
        <source>In one grid
(at least)</source>
        <translation>In one grid
(at least)</translation>
    </message>
    <message>
        <source>Method %1: %2</source>
        <translation>Method %1: %2</translation>
    </message>
    <message>
        <source>You play %1 grids on your %2 ticked numbers.</source>
        <translation>You play %1 grids on your %2 ticked numbers.</translation>
    </message>
    <message>
        <source>&amp;Number of cases by the best result of one grid, for 3 to 6 drawn numbers among your %1:</source>
        <translation>&amp;Number of cases by the best result of one grid, for 3 to 6 drawn numbers among your %1:</translation>
    </message>
    <message>
        <source>&amp;Odds per draw of 6 numbers out of 49 (%1 possible draws), playing your %2 grids:</source>
        <translation>&amp;Odds per draw of 6 numbers out of 49 (%1 possible draws), playing your %2 grids:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a share of the chart under the pointer</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a bar of the chart in words</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Share of the cases by the best result of one grid. %1</source>
        <translation>Share of the cases by the best result of one grid. %1</translation>
    </message>
</context>
<context>
    <name>vormigral::ChoixLangue</name>
    <message>
        <source>Français</source>
        <extracomment>French in its own name, the same in every language.</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>English in its own name, the same in every language.</extracomment>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>vormigral::ExportGrilles</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A method&apos;s number and description, as the first line of the grids&apos; CSV file names it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Export the grids</source>
        <translation>Export the grids</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>grids-method-%1.csv</source>
        <translation>grids-method-%1.csv</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Ticked numbers</source>
        <translation>Ticked numbers</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>N%1</source>
        <extracomment>The column of a grid&apos;s i-th number, N1 to N6.</extracomment>
        <translation>N%1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
</context>
<context>
    <name>vormigral::Impression</name>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>The printer choice kept in %1 cannot be read (%2): printing goes on as if no printer had been chosen.</source>
        <translation>The printer choice kept in %1 cannot be read (%2): printing goes on as if no printer had been chosen.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>No printer: the pages can be saved as PDF</source>
        <translation>No printer: the pages can be saved as PDF</translation>
    </message>
    <message>
        <source>Printer: to be chosen when printing</source>
        <translation>Printer: to be chosen when printing</translation>
    </message>
    <message>
        <source>Printer: &quot;%1&quot; (system default)</source>
        <translation>Printer: &quot;%1&quot; (system default)</translation>
    </message>
    <message>
        <source>Printer: &quot;%1&quot;</source>
        <translation>Printer: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Looking for printers…</source>
        <translation>Looking for printers…</translation>
    </message>
    <message>
        <source>Sending to the printer…</source>
        <translation>Sending to the printer…</translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation>Printing cancelled.</translation>
    </message>
    <message>
        <source>Printer: the print service (%1) does not answer</source>
        <translation>Printer: the print service (%1) does not answer</translation>
    </message>
    <message>
        <source>Printing is not available: the print service (%1) does not answer.</source>
        <translation>Printing is not available: the print service (%1) does not answer.</translation>
    </message>
    <message>
        <source>The print service (%1) does not answer: the printers could not be listed after a few seconds&apos; wait.</source>
        <translation>The print service (%1) does not answer: the printers could not be listed after a few seconds&apos; wait.</translation>
    </message>
    <message>
        <source>The print service (%1) does not answer: printing was given up after a few seconds&apos; wait.</source>
        <translation>The print service (%1) does not answer: printing was given up after a few seconds&apos; wait.</translation>
    </message>
</context>
<context>
    <name>vormigral::ImpressionBulletins</name>
    <message>
        <source>Incorrect grid numbers to print</source>
        <translation>Incorrect grid numbers to print</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>Insert the next slip and press OK</source>
        <extracomment>Asked between two slips printed one at a time; French in both languages.</extracomment>
        <translation>Insérez le prochain bulletin et appuyer sur OK</translation>
    </message>
    <message>
        <source>Slip printing</source>
        <extracomment>The title of the next-slip prompt; French in both languages.</extracomment>
        <translation>Impression bulletin</translation>
    </message>
</context>
<context>
    <name>vormigral::Lancement</name>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>job(s) %1</source>
        <extracomment>The numbers the spooler gave the jobs, e.g. &quot;job 17&quot; or &quot;jobs 17, 18&quot;.</extracomment>
        <translation>
            <numerusform>job %1</numerusform>
            <numerusform>jobs %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing failed: %1
The print job was abandoned.</source>
        <translation>Printing failed: %1
The print job was abandoned.</translation>
    </message>
    <message>
        <source>Before that, the printer &quot;%1&quot; had accepted %2 (%3).</source>
        <translation>Before that, the printer &quot;%1&quot; had accepted %2 (%3).</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>Marks outside the area &quot;%3&quot; can print: %1 of %2. They would be missing on paper; the offsets (Options › Parameters) may be too large.

Print anyway?</source>
        <translation>Marks outside the area &quot;%3&quot; can print: %1 of %2. They would be missing on paper; the offsets (Options › Parameters) may be too large.

Print anyway?</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>No printer is installed: nothing can be printed.

Do you want to save the same pages to a PDF file?</source>
        <translation>No printer is installed: nothing can be printed.

Do you want to save the same pages to a PDF file?</translation>
    </message>
    <message>
        <source>Save the pages as PDF</source>
        <translation>Save the pages as PDF</translation>
    </message>
    <message>
        <source>The pages were saved to the PDF file:
%1</source>
        <translation>The pages were saved to the PDF file:
%1</translation>
    </message>
    <message>
        <source>no print job is open (%1)</source>
        <extracomment>A programming error: a print run drew on a surface with no job open.</extracomment>
        <translation>no print job is open (%1)</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No printer is installed.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>The printer &quot;%1&quot; is not available.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Cannot write the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot; (%2).</source>
        <translation>Cannot write the file &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>Writing the file &quot;%1&quot; broke off.</source>
        <translation>Writing the file &quot;%1&quot; broke off.</translation>
    </message>
    <message>
        <source>Cannot prepare the pages for &quot;%1&quot; (%2).</source>
        <translation>Cannot prepare the pages for &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not answer (%2).</source>
        <translation>The printer &quot;%1&quot; does not answer (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped%2: it does not print.</source>
        <extracomment>%2 is the printer&apos;s message in parentheses after a space, or nothing.</extracomment>
        <translation>The printer &quot;%1&quot; is stopped%2: it does not print.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>The printer &quot;%1&quot; refused the job: %2</translation>
    </message>
    <message>
        <source>Job %1 was held by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Job %1 was held by the printer &quot;%2&quot;%3.</translation>
    </message>
    <message>
        <source>Job %1 was stopped by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Job %1 was stopped by the printer &quot;%2&quot;%3.</translation>
    </message>
    <message>
        <source>Job %1 was cancelled by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Job %1 was cancelled by the printer &quot;%2&quot;%3.</translation>
    </message>
    <message>
        <source>Job %1 was aborted by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Job %1 was aborted by the printer &quot;%2&quot;%3.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; accepted %2 (%3).</source>
        <translation>The printer &quot;%1&quot; accepted %2 (%3).</translation>
    </message>
</context>
<context>
    <name>vormigral::MessagesQt</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>vormigral::Methodes</name>
    <message>
        <source>%1 numbers if %2 numbers in the %3 in %4 grilles</source>
        <extracomment>Method 23&apos;s description, whose English ends with the French word.</extracomment>
        <translation>%1 numbers if %2 numbers in the %3 in %4 grilles</translation>
    </message>
    <message>
        <source>%1 numbers if %2 numbers in the %3 in %4 grids</source>
        <translation>%1 numbers if %2 numbers in the %3 in %4 grids</translation>
    </message>
</context>
<context>
    <name>vormigral::ModeleRecapitulatif</name>
    <message>
        <source>Number of grids in this class</source>
        <translation>Number of grids in this class</translation>
    </message>
    <message>
        <source>Drawn numbers among your ticked numbers</source>
        <translation>Drawn numbers among your ticked numbers</translation>
    </message>
    <message>
        <source>The method&apos;s guarantee holds when enough drawn numbers are among your numbers</source>
        <translation>The method&apos;s guarantee holds when enough drawn numbers are among your numbers</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>Best class</source>
        <translation>Best class</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Found</translation>
    </message>
    <message>
        <source>Promise</source>
        <translation>Promise</translation>
    </message>
</context>
<context>
    <name>vormigral::ModeleTirages</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
</context>
<context>
    <name>vormigral::Reglages</name>
    <message>
        <source>the file there is left as it is</source>
        <translation>the file there is left as it is</translation>
    </message>
    <message>
        <source>no per-user folder (HOME is not set)</source>
        <translation>no per-user folder (HOME is not set)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>it is not a file</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>the folder is write-protected</source>
        <translation>the folder is write-protected</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>no room left (disk full, quota or size limit)</source>
        <translation>no room left (disk full, quota or size limit)</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A place the settings cannot go to, and why.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not a file: it is left as it is, and the default settings are used.</source>
        <translation>%1 is not a file: it is left as it is, and the default settings are used.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: it is left as it is, and the default settings are used.</source>
        <translation>The settings file %1 cannot be read: it is left as it is, and the default settings are used.</translation>
    </message>
    <message>
        <source>Your settings will be saved in %1 when you quit with Quit.</source>
        <translation>Your settings will be saved in %1 when you quit with Quit.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved anywhere:</source>
        <translation>Your settings cannot be saved anywhere:</translation>
    </message>
    <message>
        <source>The language will be asked again at the next start.</source>
        <translation>The language will be asked again at the next start.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>There was a problem: your settings were not saved.</source>
        <translation>There was a problem: your settings were not saved.</translation>
    </message>
    <message>
        <source>File not saved !!</source>
        <translation>File not saved !!</translation>
    </message>
</context>
<context>
    <name>vormigral::TAnalyse</name>
    <message>
        <source>Method analysis</source>
        <translation>Method analysis</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>No method is selected: choose one in the main window&apos;s list.</source>
        <translation>No method is selected: choose one in the main window&apos;s list.</translation>
    </message>
    <message>
        <source>Number of cases by the best result of one grid</source>
        <translation>Number of cases by the best result of one grid</translation>
    </message>
    <message>
        <source>Odds per draw</source>
        <translation>Odds per draw</translation>
    </message>
    <message>
        <source>Chart of the share of the cases by the best result</source>
        <translation>Chart of the share of the cases by the best result</translation>
    </message>
    <message>
        <source>Close the analysis</source>
        <translation>Close the analysis</translation>
    </message>
</context>
<context>
    <name>vormigral::TApercu</name>
    <message>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Preview of the pages</source>
        <translation>Preview of the pages</translation>
    </message>
    <message>
        <source>on the printer &quot;%1&quot;</source>
        <translation>on the printer &quot;%1&quot;</translation>
    </message>
    <message>
        <source>in a PDF file (no printer is installed)</source>
        <translation>in a PDF file (no printer is installed)</translation>
    </message>
    <message>
        <source>laid out as a PDF file (the printer will be chosen when printing)</source>
        <translation>laid out as a PDF file (the printer will be chosen when printing)</translation>
    </message>
    <message>
        <source>The crosses are where they will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); in red, the slip&apos;s boxes where these offsets place it; dotted, the printable area.</source>
        <translation>The crosses are where they will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); in red, the slip&apos;s boxes where these offsets place it; dotted, the printable area.</translation>
    </message>
    <message>
        <source>The pages as they will be printed %1; dotted, the printable area.</source>
        <translation>The pages as they will be printed %1; dotted, the printable area.</translation>
    </message>
    <message>
        <source>The calibration sheet as it will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); dotted, the printable area.</source>
        <translation>The calibration sheet as it will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); dotted, the printable area.</translation>
    </message>
    <message>
        <source>Slip %1 of %2</source>
        <translation>Slip %1 of %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TApercuImport</name>
    <message>
        <source>Import preview</source>
        <translation>Import preview</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>To add: %1 · Already stored (skipped): %2 · Rejected lines: %3</source>
        <translation>To add: %1 · Already stored (skipped): %2 · Rejected lines: %3</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>Rejected lines</source>
        <translation>Rejected lines</translation>
    </message>
    <message>
        <source>No line rejected.</source>
        <translation>No line rejected.</translation>
    </message>
    <message>
        <source>&amp;Rejected lines:</source>
        <translation>&amp;Rejected lines:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more rejected line(s), not listed.</source>
        <translation>
            <numerusform>… and %n more rejected line, not listed.</numerusform>
            <numerusform>… and %n more rejected lines, not listed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to store</source>
        <translation>Nothing to store</translation>
    </message>
    <message>
        <source>&amp;Store the draw</source>
        <translation>&amp;Store the draw</translation>
    </message>
    <message>
        <source>&amp;Store the %1 draws</source>
        <translation>&amp;Store the %1 draws</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vormigral::TCalage</name>
    <message>
        <source>Calibration sheet</source>
        <translation>Calibration sheet</translation>
    </message>
    <message>
        <source>&amp;Ticket type</source>
        <translation>&amp;Ticket type</translation>
    </message>
    <message>
        <source>The calibration sheet prints on plain paper: a frame where each cross would go, with the current offsets, and two millimetre scales. Laid on a real slip, it shows how much to correct the offsets (Options › Parameters). The sheet itself explains how to read it.</source>
        <translation>The calibration sheet prints on plain paper: a frame where each cross would go, with the current offsets, and two millimetre scales. Laid on a real slip, it shows how much to correct the offsets (Options › Parameters). The sheet itself explains how to read it.</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Preview</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>P&amp;rint</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Ticket type</source>
        <translation>Ticket type</translation>
    </message>
    <message>
        <source>Current offsets: horizontal %1 mm, vertical %2 mm.</source>
        <translation>Current offsets: horizontal %1 mm, vertical %2 mm.</translation>
    </message>
    <message>
        <source>Each frame shows where the printer will put the cross of a number. Lay this sheet on a play slip, top and left edges together as they go into the printer, and look through it against the light. On the scale above box 10, read in millimetres where the middle of the slip&apos;s box falls and add that number to the horizontal offset. On the scale to the right of box 40 of the last grid, read the middle of the box the same way and add that number to the vertical offset. Set the offsets in Options › Parameters, then print a new sheet: each frame should sit in the middle of its box.</source>
        <translation>Each frame shows where the printer will put the cross of a number. Lay this sheet on a play slip, top and left edges together as they go into the printer, and look through it against the light. On the scale above box 10, read in millimetres where the middle of the slip&apos;s box falls and add that number to the horizontal offset. On the scale to the right of box 40 of the last grid, read the middle of the box the same way and add that number to the vertical offset. Set the offsets in Options › Parameters, then print a new sheet: each frame should sit in the middle of its box.</translation>
    </message>
    <message>
        <source>CALIBRATION SHEET: %1</source>
        <translation>CALIBRATION SHEET: %1</translation>
    </message>
    <message>
        <source>Offsets applied: horizontal %1 mm, vertical %2 mm</source>
        <translation>Offsets applied: horizontal %1 mm, vertical %2 mm</translation>
    </message>
</context>
<context>
    <name>vormigral::TChoixColonnes</name>
    <message>
        <source>Line %1: %2 — %3 + %4</source>
        <translation>Line %1: %2 — %3 + %4</translation>
    </message>
    <message>
        <source>Line %1: not a draw with these columns</source>
        <translation>Line %1: not a draw with these columns</translation>
    </message>
    <message>
        <source>Choose the column of: %1.</source>
        <translation>Choose the column of: %1.</translation>
    </message>
    <message>
        <source>One column cannot hold %1 and another field.</source>
        <translation>One column cannot hold %1 and another field.</translation>
    </message>
    <message>
        <source>No line reads as a draw with these columns.</source>
        <translation>No line reads as a draw with these columns.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Ball %1</source>
        <translation>Ball %1</translation>
    </message>
</context>
<context>
    <name>vormigral::TChoixImprimante</name>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Printers</translation>
    </message>
    <message>
        <source>%1 — stopped%2</source>
        <translation>%1 — stopped%2</translation>
    </message>
    <message>
        <source>%1 — refuses jobs%2</source>
        <translation>%1 — refuses jobs%2</translation>
    </message>
    <message>
        <source>%1 — system default</source>
        <translation>%1 — system default</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>No printer is installed on this computer.</translation>
    </message>
    <message>
        <source>Choose the printer for your slips and lists. The choice is kept for you on this computer.</source>
        <translation>Choose the printer for your slips and lists. The choice is kept for you on this computer.</translation>
    </message>
    <message>
        <source>The printer you had chosen no longer exists: choose the one that should print.</source>
        <translation>The printer you had chosen no longer exists: choose the one that should print.</translation>
    </message>
    <message>
        <source>No default printer is set on this computer: choose the one that should print. The choice will be kept for the next prints.</source>
        <translation>No default printer is set on this computer: choose the one that should print. The choice will be kept for the next prints.</translation>
    </message>
    <message>
        <source>The system&apos;s default printer (%1)</source>
        <translation>The system&apos;s default printer (%1)</translation>
    </message>
    <message>
        <source>The choice of printer could not be saved in %1: it holds for this time only.</source>
        <translation>The choice of printer could not be saved in %1: it holds for this time only.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
</context>
<context>
    <name>vormigral::TFenetreArgent</name>
    <message>
        <source>Money check</source>
        <translation>Money check</translation>
    </message>
    <message>
        <source>&amp;Price of one grid for one draw:</source>
        <translation>&amp;Price of one grid for one draw:</translation>
    </message>
    <message>
        <source>Price of one grid for one draw</source>
        <translation>Price of one grid for one draw</translation>
    </message>
    <message>
        <source> €</source>
        <translation> €</translation>
    </message>
    <message>
        <source>Period&apos;s totals</source>
        <translation>Period&apos;s totals</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>Not counted</translation>
    </message>
    <message>
        <source>Money per draw</source>
        <translation>Money per draw</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Winnings</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>C&amp;umulative net result:</source>
        <translation>C&amp;umulative net result:</translation>
    </message>
    <message>
        <source>Cumulative net result</source>
        <translation>Cumulative net result</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>The payouts could not be read: %1</source>
        <translation>The payouts could not be read: %1</translation>
    </message>
    <message>
        <source>The price could not be kept in %1.</source>
        <translation>The price could not be kept in %1.</translation>
    </message>
    <message>
        <source>&amp;Money…</source>
        <translation>Mo&amp;ney…</translation>
    </message>
    <message>
        <source>The payouts could not be read.</source>
        <translation>The payouts could not be read.</translation>
    </message>
</context>
<context>
    <name>vormigral::TFenetreColonnes</name>
    <message>
        <source>File columns</source>
        <translation>File columns</translation>
    </message>
    <message>
        <source>Choose the column of the file that holds each part of a draw.</source>
        <translation>Choose the column of the file that holds each part of a draw.</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>&amp;First lines as read:</source>
        <translation>&amp;First lines as read:</translation>
    </message>
    <message>
        <source>First lines as read</source>
        <translation>First lines as read</translation>
    </message>
    <message>
        <source>This mapping will be remembered for files with the same header.</source>
        <translation>This mapping will be remembered for files with the same header.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The choice of columns could not be remembered in your configuration folder.</source>
        <translation>The choice of columns could not be remembered in your configuration folder.</translation>
    </message>
    <message>
        <source>&amp;Columns…</source>
        <translation>&amp;Columns…</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm1</name>
    <message>
        <source>VORMIGRAL</source>
        <extracomment>The program&apos;s name, the same in every language.</extracomment>
        <translation>VORMIGRAL</translation>
    </message>
    <message>
        <source>Choose the method</source>
        <translation>Choose the method</translation>
    </message>
    <message>
        <source>View the grids</source>
        <translation>View the grids</translation>
    </message>
    <message>
        <source>View the list of the grids</source>
        <translation>View the list of the grids</translation>
    </message>
    <message>
        <source>Print the grids</source>
        <translation>Print the grids</translation>
    </message>
    <message>
        <source>Compare with the results</source>
        <translation>Compare with the results</translation>
    </message>
    <message>
        <source>Clear the bill</source>
        <translation>Clear the bill</translation>
    </message>
    <message>
        <source>Random numbers</source>
        <translation>Random numbers</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>numbers selected</source>
        <translation>numbers selected</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;Load Bill</source>
        <translation>&amp;Load Bill</translation>
    </message>
    <message>
        <source>&amp;Save Bill</source>
        <translation>&amp;Save Bill</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Utilize</source>
        <translation>&amp;Utilize</translation>
    </message>
    <message>
        <source>&amp;View the grids</source>
        <translation>&amp;View the grids</translation>
    </message>
    <message>
        <source>View the &amp;list of the grids</source>
        <translation>View the &amp;list of the grids</translation>
    </message>
    <message>
        <source>&amp;Compare with the results</source>
        <translation>&amp;Compare with the results</translation>
    </message>
    <message>
        <source>&amp;Print the grids</source>
        <translation>&amp;Print the grids</translation>
    </message>
    <message>
        <source>Method &amp;analysis</source>
        <translation>Method &amp;analysis</translation>
    </message>
    <message>
        <source>Draw &amp;history</source>
        <translation>Draw &amp;history</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Parameters</translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation>P&amp;rinter…</translation>
    </message>
    <message>
        <source>&amp;Calibration sheet…</source>
        <translation>&amp;Calibration sheet…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>the menu</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>the menu entry that opens the help</comment>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Numbers to tick</source>
        <translation>Numbers to tick</translation>
    </message>
    <message>
        <source>Informations</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>View the slips to tick</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Visualiser les bulletins à cocher</translation>
    </message>
    <message>
        <source>View the list of the slips</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Visualiser la liste des bulletins</translation>
    </message>
    <message>
        <source>Print the slips</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Effectuer l&apos;impression des bulletins</translation>
    </message>
    <message>
        <source>Compare the chosen grid and method with the results</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Comparer la grille et la méthode choisies avec les résultats</translation>
    </message>
    <message>
        <source>Clear the grid</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Effacer la grille</translation>
    </message>
    <message>
        <source>Quit the program</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Quitter le logiciel</translation>
    </message>
    <message>
        <source>Method %1: tick %2 numbers, %3 ticked.</source>
        <translation>Method %1: tick %2 numbers, %3 ticked.</translation>
    </message>
    <message>
        <source>Incorrect Selection</source>
        <translation>Incorrect Selection</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <comment>grid-file message</comment>
        <extracomment>The title of the grid-file messages, French in both languages.</extracomment>
        <translation>Problème !!</translation>
    </message>
    <message>
        <source>File not found</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Fichier inexistant</translation>
    </message>
    <message>
        <source>Error reading the file</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Erreur à la lecture du fichier</translation>
    </message>
    <message>
        <source>This is not a grid file</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Ce n&apos;est pas un fichier grille</translation>
    </message>
    <message>
        <source>A name that starts with a dot makes a hidden file, which the file list does not show: the file was not saved. Choose another name.</source>
        <translation>A name that starts with a dot makes a hidden file, which the file list does not show: the file was not saved. Choose another name.</translation>
    </message>
    <message>
        <source>Continue anyway?</source>
        <translation>Continuer quand même ?</translation>
    </message>
    <message>
        <source>File already exists !!</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Fichier existant !!</translation>
    </message>
    <message>
        <source>There was a problem</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Il y a eu un problème</translation>
    </message>
    <message>
        <source>File not saved !!</source>
        <extracomment>A grid-file message, French in both languages.</extracomment>
        <translation>Fichier non sauvegardé !!</translation>
    </message>
    <message>
        <source>&amp;Export grids…</source>
        <translation>&amp;Export grids…</translation>
    </message>
    <message>
        <source>&amp;Display size…</source>
        <translation>&amp;Display size…</translation>
    </message>
    <message>
        <source>My &amp;wheels…</source>
        <translation>My &amp;wheels…</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm10</name>
    <message>
        <source>Langue - Language</source>
        <extracomment>Both languages at once: the user has not chosen one yet.</extracomment>
        <translation>Langue - Language</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Drapeau français - French flag</source>
        <extracomment>Both languages at once: the user has not chosen one yet.</extracomment>
        <translation>Drapeau français - French flag</translation>
    </message>
    <message>
        <source>Drapeau britannique - British flag</source>
        <extracomment>Both languages at once: the user has not chosen one yet.</extracomment>
        <translation>Drapeau britannique - British flag</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm2</name>
    <message>
        <source>Grids</source>
        <comment>the viewer&apos;s title</comment>
        <translation>Grids</translation>
    </message>
    <message>
        <source>Method selected</source>
        <translation>Method selected</translation>
    </message>
    <message>
        <source>Grids</source>
        <comment>the counter&apos;s caption</comment>
        <translation>Grids</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Previous grid</source>
        <translation>Previous grid</translation>
    </message>
    <message>
        <source>Next grid</source>
        <translation>Next grid</translation>
    </message>
    <message>
        <source>View the previous slip</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>voir bulletin précédent</translation>
    </message>
    <message>
        <source>View the next slip</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>voir bulletin suivant</translation>
    </message>
    <message>
        <source>Back to the previous screen</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Revenir à l&apos;ecran précédent</translation>
    </message>
    <message>
        <source>Grid %1: %2</source>
        <extracomment>The block read as the grid it shows, e.g. &quot;Grid 3: 4, 11, 19, 27, 33, 45&quot;.</extracomment>
        <translation>Grid %1: %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm5</name>
    <message>
        <source>GRID S LIST</source>
        <extracomment>The title printed at the top of the list of grids.</extracomment>
        <translation>GRID S LIST</translation>
    </message>
    <message>
        <source>List of the grids </source>
        <translation>List of the grids </translation>
    </message>
    <message>
        <source>Print the list of grids</source>
        <translation>Print the list of grids</translation>
    </message>
    <message>
        <source>Print the grids</source>
        <translation>Print the grids</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Preview the list</source>
        <translation>Preview the list</translation>
    </message>
    <message>
        <source>Grids of the method</source>
        <translation>Grids of the method</translation>
    </message>
    <message>
        <source>The printer&apos;s answer</source>
        <translation>The printer&apos;s answer</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm6</name>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Select the file to load</source>
        <translation>Select the file to load</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm7</name>
    <message>
        <source>Print</source>
        <comment>the window&apos;s title</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>TICKET TYPE</source>
        <translation>TICKET TYPE</translation>
    </message>
    <message>
        <source>Grids to print</source>
        <translation>Grids to print</translation>
    </message>
    <message>
        <source>First</source>
        <translation>First</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Print Type</translation>
    </message>
    <message>
        <source>Print all the tickets</source>
        <translation>Print all the tickets</translation>
    </message>
    <message>
        <source>Stop after each tickets</source>
        <translation>Stop after each tickets</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the button</comment>
        <translation>Print</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Choose the printer</translation>
    </message>
    <message>
        <source>Ticket type</source>
        <translation>Ticket type</translation>
    </message>
    <message>
        <source>First grid to print</source>
        <translation>First grid to print</translation>
    </message>
    <message>
        <source>Last grid to print</source>
        <translation>Last grid to print</translation>
    </message>
    <message>
        <source>Enter the number of the first grid to print</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Entrez le numero de la première grille à imprimer</translation>
    </message>
    <message>
        <source>Enter the number of the last grid to print</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Entrez le numero de la dernière grille à imprimer</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm8</name>
    <message>
        <source>Results Analyst</source>
        <translation>Results Analyst</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>WINNER</translation>
    </message>
    <message>
        <source>Numbers of good results</source>
        <translation>Numbers of good results</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>View Results</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4 + Bonus</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numbers</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Bonus</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numbers</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numbers</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Bonus</translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numbers</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Number %1</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Bonus number</translation>
    </message>
    <message>
        <source>Results by grid</source>
        <translation>Results by grid</translation>
    </message>
    <message>
        <source>Show the results against the winning draw</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Afficher les résultats en fonction du bulletin gagnant</translation>
    </message>
    <message>
        <source>Back to the main screen</source>
        <extracomment>A hint, French in both languages.</extracomment>
        <translation>Revenir à l&apos;écran principal</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A counter read with its frame&apos;s title, e.g. &quot;3 numbers: 12&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>A number is selected more than one time</source>
        <translation>A number is selected more than one time</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>C</source>
        <extracomment>The complementary number&apos;s tag, its initial in both languages.</extracomment>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm9</name>
    <message>
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Horizontal Adjustment</source>
        <translation>Horizontal Adjustment</translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation>Vertical Adjustment</translation>
    </message>
    <message>
        <source>mm</source>
        <extracomment>Millimetres, after each offset.</extracomment>
        <translation>mm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Horizontal adjustment in millimetres</source>
        <translation>Horizontal adjustment in millimetres</translation>
    </message>
    <message>
        <source>Vertical adjustment in millimetres</source>
        <translation>Vertical adjustment in millimetres</translation>
    </message>
    <message>
        <source>French flag</source>
        <translation>French flag</translation>
    </message>
    <message>
        <source>British flag</source>
        <translation>British flag</translation>
    </message>
</context>
<context>
    <name>vormigral::TGestionHistorique</name>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>the folder %1 cannot be created</translation>
    </message>
    <message>
        <source>SQLite cannot open %1 (%2)</source>
        <translation>SQLite cannot open %1 (%2)</translation>
    </message>
    <message>
        <source>it is not an SQLite database</source>
        <translation>it is not an SQLite database</translation>
    </message>
    <message>
        <source>SQLite found errors in it</source>
        <translation>SQLite found errors in it</translation>
    </message>
    <message>
        <source>it does not hold a draw history</source>
        <translation>it does not hold a draw history</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of VORMIGRAL</source>
        <translation>%1 was made by a newer version of VORMIGRAL</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside (%2)</source>
        <translation>%1 is damaged and cannot be set aside (%2)</translation>
    </message>
    <message>
        <source>Draw history</source>
        <translation>Draw history</translation>
    </message>
    <message>
        <source>The history file was damaged (%1). It is kept as %2 and an empty history was made in its place.</source>
        <translation>The history file was damaged (%1). It is kept as %2 and an empty history was made in its place.</translation>
    </message>
    <message>
        <source>The draw history can only be read: %1 (%2).
Its draws can still be listed and checked, but nothing can be added, imported or deleted.</source>
        <translation>The draw history can only be read: %1 (%2).
Its draws can still be listed and checked, but nothing can be added, imported or deleted.</translation>
    </message>
    <message>
        <source>The draw history was damaged; it was set aside as:
%1
A new history could not be made: %2</source>
        <translation>The draw history was damaged; it was set aside as:
%1
A new history could not be made: %2</translation>
    </message>
    <message>
        <source>The draw history cannot be opened: %1.</source>
        <translation>The draw history cannot be opened: %1.</translation>
    </message>
    <message>
        <source>the draws cannot be read (%1)</source>
        <translation>the draws cannot be read (%1)</translation>
    </message>
    <message>
        <source>History unavailable: %1.</source>
        <translation>History unavailable: %1.</translation>
    </message>
    <message>
        <source>No draw stored: import a file or add a draw.</source>
        <translation>No draw stored: import a file or add a draw.</translation>
    </message>
    <message>
        <source>1 draw stored, on %1.</source>
        <translation>1 draw stored, on %1.</translation>
    </message>
    <message>
        <source>%1 draws stored, from %2 to %3.</source>
        <translation>%1 draws stored, from %2 to %3.</translation>
    </message>
    <message>
        <source>Choose the six numbers and the bonus number.</source>
        <translation>Choose the six numbers and the bonus number.</translation>
    </message>
    <message>
        <source>Draw not added: %1.</source>
        <translation>Draw not added: %1.</translation>
    </message>
    <message>
        <source>this draw is already stored</source>
        <translation>this draw is already stored</translation>
    </message>
    <message>
        <source>First choose in the list the draw or draws to delete.</source>
        <translation>First choose in the list the draw or draws to delete.</translation>
    </message>
    <message>
        <source>Delete the draw of %1?</source>
        <translation>Delete the draw of %1?</translation>
    </message>
    <message>
        <source>Delete the %1 chosen draws?</source>
        <translation>Delete the %1 chosen draws?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Import draws</source>
        <translation>Import draws</translation>
    </message>
    <message>
        <source>Draw files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Draw files (*.csv *.txt *.tsv);;All files (*)</translation>
    </message>
    <message>
        <source>Import refused</source>
        <translation>Import refused</translation>
    </message>
    <message>
        <source>%1 is a folder: nothing was imported.</source>
        <translation>%1 is a folder: nothing was imported.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a named pipe, a device or a socket): nothing was imported.</source>
        <translation>%1 is not a regular file (it is a named pipe, a device or a socket): nothing was imported.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is not a text file: nothing was imported.</source>
        <translation>%1 is not a text file: nothing was imported.</translation>
    </message>
    <message>
        <source>%1 is too large to be a draw file: nothing was imported.</source>
        <translation>%1 is too large to be a draw file: nothing was imported.</translation>
    </message>
    <message>
        <source>%1 holds no valid draw line: nothing was imported.</source>
        <translation>%1 holds no valid draw line: nothing was imported.</translation>
    </message>
    <message>
        <source>%1 holds no valid draw line (%2): nothing was imported.</source>
        <translation>%1 holds no valid draw line (%2): nothing was imported.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>the date</translation>
    </message>
    <message>
        <source>the bonus number</source>
        <translation>the bonus number</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>number %1</translation>
    </message>
    <message>
        <source>The header line of %1 has no column for %2: nothing was imported.</source>
        <translation>The header line of %1 has no column for %2: nothing was imported.</translation>
    </message>
    <message numerus="yes">
        <source>%n draw(s) added; %1 already stored (skipped).</source>
        <translation>
            <numerusform>%n draw added; %1 already stored (skipped).</numerusform>
            <numerusform>%n draws added; %1 already stored (skipped).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already stored with another bonus number (skipped, the stored one kept).</source>
        <translation>%1 already stored with another bonus number (skipped, the stored one kept).</translation>
    </message>
    <message>
        <source>Incorrect Selection</source>
        <translation>Incorrect Selection</translation>
    </message>
    <message>
        <source>The start of the period is after its end.</source>
        <translation>The start of the period is after its end.</translation>
    </message>
    <message>
        <source>No draw stored in this period.</source>
        <translation>No draw stored in this period.</translation>
    </message>
    <message>
        <source>Method %1: %2 grids over your %3 numbers; draws compared: %4.</source>
        <translation>Method %1: %2 grids over your %3 numbers; draws compared: %4.</translation>
    </message>
    <message>
        <source>: </source>
        <extracomment>Between a class and its count; French puts a blank before the colon.</extracomment>
        <translation>: </translation>
    </message>
    <message>
        <source>Winning grids over the period: %1.</source>
        <translation>Winning grids over the period: %1.</translation>
    </message>
    <message>
        <source>The method&apos;s guarantee (%1 if %2): draws where it applies: %3; where it is kept: %4.</source>
        <translation>The method&apos;s guarantee (%1 if %2): draws where it applies: %3; where it is kept: %4.</translation>
    </message>
    <message>
        <source>Export the check</source>
        <translation>Export the check</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>grid-check.csv</source>
        <translation>grid-check.csv</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>N%1</source>
        <extracomment>The heading of the column of the i-th main number of the exported check.</extracomment>
        <translation>N%1</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Best class</source>
        <translation>Best class</translation>
    </message>
    <message>
        <source>Found among your numbers</source>
        <translation>Found among your numbers</translation>
    </message>
    <message>
        <source>Promise</source>
        <translation>Promise</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>Your wheel: %1 grids over your %2 numbers; draws compared: %3.</source>
        <translation>Your wheel: %1 grids over your %2 numbers; draws compared: %3.</translation>
    </message>
    <message>
        <source>Waiting for another copy of the program, which is using the draw history…</source>
        <translation>Waiting for another copy of the program, which is using the draw history…</translation>
    </message>
</context>
<context>
    <name>vormigral::THistorique</name>
    <message>
        <source>Draw history</source>
        <translation>Draw history</translation>
    </message>
    <message>
        <source>&amp;Stored draws</source>
        <translation>&amp;Stored draws</translation>
    </message>
    <message>
        <source>&amp;Grid check</source>
        <translation>&amp;Grid check</translation>
    </message>
    <message>
        <source>History pages</source>
        <translation>History pages</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numbers</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Bonus</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numbers</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4 + Bonus</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numbers</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Bonus</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numbers</translation>
    </message>
    <message>
        <source>5+B</source>
        <translation>5+B</translation>
    </message>
    <message>
        <source>4+B</source>
        <translation>4+B</translation>
    </message>
    <message>
        <source>3+B</source>
        <translation>3+B</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>kept</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>missed</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>not applicable</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>wrong number of fields</translation>
    </message>
    <message>
        <source>unreadable date (DD/MM/YYYY or YYYY-MM-DD expected)</source>
        <translation>unreadable date (DD/MM/YYYY or YYYY-MM-DD expected)</translation>
    </message>
    <message>
        <source>no such date</source>
        <translation>no such date</translation>
    </message>
    <message>
        <source>the year is outside the years accepted (1900 to today)</source>
        <translation>the year is outside the years accepted (1900 to today)</translation>
    </message>
    <message>
        <source>this date is after today</source>
        <translation>this date is after today</translation>
    </message>
    <message>
        <source>no such date read month first, as this file&apos;s dates are</source>
        <translation>no such date read month first, as this file&apos;s dates are</translation>
    </message>
    <message>
        <source>no such date read day first, as this file&apos;s dates are</source>
        <translation>no such date read day first, as this file&apos;s dates are</translation>
    </message>
    <message>
        <source>a number is missing or not a whole number</source>
        <translation>a number is missing or not a whole number</translation>
    </message>
    <message>
        <source>a number is not between 1 and 49</source>
        <translation>a number is not between 1 and 49</translation>
    </message>
    <message>
        <source>a number appears twice among the six</source>
        <translation>a number appears twice among the six</translation>
    </message>
    <message>
        <source>the bonus number is also one of the six</source>
        <translation>the bonus number is also one of the six</translation>
    </message>
    <message>
        <source>same draw as line %1</source>
        <translation>same draw as line %1</translation>
    </message>
    <message>
        <source>same date and numbers as line %1, another bonus number</source>
        <translation>same date and numbers as line %1, another bonus number</translation>
    </message>
    <message>
        <source>already stored with another bonus number</source>
        <translation>already stored with another bonus number</translation>
    </message>
    <message>
        <source>The dates of this file are read month first (MM/DD/YYYY).</source>
        <translation>The dates of this file are read month first (MM/DD/YYYY).</translation>
    </message>
    <message>
        <source>The dates of this file are read year first (YYYY-MM-DD).</source>
        <translation>The dates of this file are read year first (YYYY-MM-DD).</translation>
    </message>
    <message>
        <source>The dates of this file are read day first (DD/MM/YYYY).</source>
        <translation>The dates of this file are read day first (DD/MM/YYYY).</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The locale whose month names spell out the dates of an imported file.</extracomment>
        <translation>en</translation>
    </message>
    <message>
        <source>First dates read: %1.</source>
        <translation>First dates read: %1.</translation>
    </message>
    <message>
        <source>The draw history is not open.</source>
        <translation>The draw history is not open.</translation>
    </message>
    <message>
        <source>The draw history can only be read: nothing was stored.</source>
        <translation>The draw history can only be read: nothing was stored.</translation>
    </message>
    <message>
        <source>The draw history has been busy with another copy of the program for more than 5 seconds: nothing was stored. Try again in a moment.</source>
        <translation>The draw history has been busy with another copy of the program for more than 5 seconds: nothing was stored. Try again in a moment.</translation>
    </message>
    <message>
        <source>The disk is full: nothing was stored in the draw history.</source>
        <translation>The disk is full: nothing was stored in the draw history.</translation>
    </message>
    <message>
        <source>The system could not read or write the history file: nothing was stored.</source>
        <translation>The system could not read or write the history file: nothing was stored.</translation>
    </message>
    <message>
        <source>The history file is damaged: nothing was stored. It will be set aside the next time the window opens.</source>
        <translation>The history file is damaged: nothing was stored. It will be set aside the next time the window opens.</translation>
    </message>
    <message>
        <source>The draw of %1 breaks the history&apos;s rules: nothing was stored.</source>
        <translation>The draw of %1 breaks the history&apos;s rules: nothing was stored.</translation>
    </message>
    <message>
        <source>Import cancelled: no draw was stored.</source>
        <translation>Import cancelled: no draw was stored.</translation>
    </message>
    <message>
        <source>The draw history refused to store the draws: nothing was stored.</source>
        <translation>The draw history refused to store the draws: nothing was stored.</translation>
    </message>
    <message>
        <source>

Technical detail: %1</source>
        <translation>

Technical detail: %1</translation>
    </message>
</context>
<context>
    <name>vormigral::TMesRoues</name>
    <message>
        <source>My wheels</source>
        <translation>My wheels</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Build</translation>
    </message>
    <message>
        <source>&amp;Check and repair</source>
        <translation>&amp;Check and repair</translation>
    </message>
    <message>
        <source>&amp;Library</source>
        <translation>&amp;Library</translation>
    </message>
    <message>
        <source>&amp;Numbers (N):</source>
        <translation>&amp;Numbers (N):</translation>
    </message>
    <message>
        <source>&amp;Guaranteed (t):</source>
        <translation>&amp;Guaranteed (t):</translation>
    </message>
    <message>
        <source>&amp;If drawn among them (m):</source>
        <translation>&amp;If drawn among them (m):</translation>
    </message>
    <message>
        <source>&amp;Time budget (seconds):</source>
        <translation>&amp;Time budget (seconds):</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Import a file…</source>
        <translation>&amp;Import a file…</translation>
    </message>
    <message>
        <source>G&amp;uaranteed (t):</source>
        <translation>G&amp;uaranteed (t):</translation>
    </message>
    <message>
        <source>I&amp;f drawn among them (m):</source>
        <translation>I&amp;f drawn among them (m):</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>&amp;Repair</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Save in the library</source>
        <translation>&amp;Save in the library</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Rena&amp;me to this name</source>
        <translation>Rena&amp;me to this name</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Save to a &amp;file…</source>
        <translation>Save to a &amp;file…</translation>
    </message>
    <message>
        <source>Current wheel</source>
        <translation>Current wheel</translation>
    </message>
    <message>
        <source>&amp;View the grids</source>
        <translation>&amp;View the grids</translation>
    </message>
    <message>
        <source>&amp;Print the grids</source>
        <translation>&amp;Print the grids</translation>
    </message>
    <message>
        <source>Check against the &amp;history</source>
        <translation>Check against the &amp;history</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Numbers of the wheel</source>
        <translation>Numbers of the wheel</translation>
    </message>
    <message>
        <source>Numbers guaranteed in one grid</source>
        <translation>Numbers guaranteed in one grid</translation>
    </message>
    <message>
        <source>Drawn numbers among the wheel&apos;s</source>
        <translation>Drawn numbers among the wheel&apos;s</translation>
    </message>
    <message>
        <source>Time budget in seconds</source>
        <translation>Time budget in seconds</translation>
    </message>
    <message>
        <source>Numbers guaranteed, to check</source>
        <translation>Numbers guaranteed, to check</translation>
    </message>
    <message>
        <source>Drawn numbers, to check</source>
        <translation>Drawn numbers, to check</translation>
    </message>
    <message>
        <source>Holes: sets of drawn numbers the wheel misses</source>
        <translation>Holes: sets of drawn numbers the wheel misses</translation>
    </message>
    <message>
        <source>Saved wheels</source>
        <translation>Saved wheels</translation>
    </message>
    <message>
        <source>Name of the wheel</source>
        <translation>Name of the wheel</translation>
    </message>
    <message>
        <source>Cases by the best result of one grid</source>
        <translation>Cases by the best result of one grid</translation>
    </message>
    <message>
        <source>Pages of the wheels window</source>
        <translation>Pages of the wheels window</translation>
    </message>
    <message>
        <source>No wheel yet: build one, import a file or open one from the library.</source>
        <translation>No wheel yet: build one, import a file or open one from the library.</translation>
    </message>
    <message>
        <source>Working out what the wheel gives…</source>
        <translation>Working out what the wheel gives…</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>2 or fewer</source>
        <translation>2 or fewer</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 drawn</translation>
    </message>
    <message>
        <source>Import a wheel</source>
        <translation>Import a wheel</translation>
    </message>
    <message>
        <source>Wheels (*.txt);;All files (*)</source>
        <translation>Wheels (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>The file %1 cannot be read.</translation>
    </message>
    <message numerus="yes">
        <source>Imported: %n grid(s).</source>
        <translation>
            <numerusform>Imported: %n grid.</numerusform>
            <numerusform>Imported: %n grids.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no wheel to check: build one, import a file or open one from the library.</source>
        <translation>There is no wheel to check: build one, import a file or open one from the library.</translation>
    </message>
    <message>
        <source>The guarantee needs t at most m, and m at most the wheel&apos;s %1 numbers.</source>
        <translation>The guarantee needs t at most m, and m at most the wheel&apos;s %1 numbers.</translation>
    </message>
    <message>
        <source>There is no wheel to repair: build one, import a file or open one from the library.</source>
        <translation>There is no wheel to repair: build one, import a file or open one from the library.</translation>
    </message>
    <message>
        <source>Repairing…</source>
        <translation>Repairing…</translation>
    </message>
    <message>
        <source>A wheel named %1 is already in the library. Replace it?</source>
        <translation>A wheel named %1 is already in the library. Replace it?</translation>
    </message>
    <message>
        <source>Choose the wheel to rename in the list, then type its new name.</source>
        <translation>Choose the wheel to rename in the list, then type its new name.</translation>
    </message>
    <message>
        <source>Delete the wheel %1 from the library?</source>
        <translation>Delete the wheel %1 from the library?</translation>
    </message>
    <message>
        <source>There is no wheel to save.</source>
        <translation>There is no wheel to save.</translation>
    </message>
    <message>
        <source>Save the wheel</source>
        <translation>Save the wheel</translation>
    </message>
    <message>
        <source>The wheel could not be saved in %1: %2</source>
        <translation>The wheel could not be saved in %1: %2</translation>
    </message>
    <message>
        <source>There is no wheel to play: build one, import a file or open one from the library.</source>
        <translation>There is no wheel to play: build one, import a file or open one from the library.</translation>
    </message>
    <message>
        <source>This wheel is played on %1 numbers: tick exactly %1 numbers in the main window (%2 ticked now).</source>
        <translation>This wheel is played on %1 numbers: tick exactly %1 numbers in the main window (%2 ticked now).</translation>
    </message>
    <message>
        <source>Lower bound: %1 grids.</source>
        <translation>Lower bound: %1 grids.</translation>
    </message>
    <message>
        <source>Best known: %1 grids.</source>
        <translation>Best known: %1 grids.</translation>
    </message>
    <message>
        <source>something other than a file is in the way.</source>
        <translation>something other than a file is in the way.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>the file is read-only.</translation>
    </message>
    <message>
        <source>the folder is read-only.</source>
        <translation>the folder is read-only.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>the folder does not exist.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>the disk is full.</translation>
    </message>
    <message>
        <source>the system refused.</source>
        <translation>the system refused.</translation>
    </message>
    <message>
        <source>A wheel needs t at most m, and m at most the %1 numbers.</source>
        <translation>A wheel needs t at most m, and m at most the %1 numbers.</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: %1 sets of %2 numbers among %3 to keep track of. %4</source>
        <translation>Beyond reach on this computer: %1 sets of %2 numbers among %3 to keep track of. %4</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: each step of the search for %1 if %2 among %3 would take too long. %4</source>
        <translation>Beyond reach on this computer: each step of the search for %1 if %2 among %3 would take too long. %4</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Repairing for %1.</source>
        <translation>Repairing for %1.</translation>
    </message>
    <message>
        <source>Building for %1.</source>
        <translation>Building for %1.</translation>
    </message>
    <message numerus="yes">
        <source>Best so far: %n grid(s).</source>
        <translation>
            <numerusform>Best so far: %n grid.</numerusform>
            <numerusform>Best so far: %n grids.</numerusform>
        </translation>
    </message>
    <message>
        <source>Looking for a first wheel.</source>
        <translation>Looking for a first wheel.</translation>
    </message>
    <message numerus="yes">
        <source>Repaired: %n grid(s) added, checked in every case.</source>
        <translation>
            <numerusform>Repaired: %n grid added, checked in every case.</numerusform>
            <numerusform>Repaired: %n grids added, checked in every case.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wheel found: %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Wheel found: %n grid, checked in every case.</numerusform>
            <numerusform>Wheel found: %n grids, checked in every case.</numerusform>
        </translation>
    </message>
    <message>
        <source>No smaller wheel exists.</source>
        <translation>No smaller wheel exists.</translation>
    </message>
    <message>
        <source>Stopped before a first wheel was found.</source>
        <translation>Stopped before a first wheel was found.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the repair found so far adds %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Stopped: the repair found so far adds %n grid, checked in every case.</numerusform>
            <numerusform>Stopped: the repair found so far adds %n grids, checked in every case.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the best wheel found has %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Stopped: the best wheel found has %n grid, checked in every case.</numerusform>
            <numerusform>Stopped: the best wheel found has %n grids, checked in every case.</numerusform>
        </translation>
    </message>
    <message>
        <source>The time ran out before a first wheel was found: give it more time.</source>
        <translation>The time ran out before a first wheel was found: give it more time.</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers, %2 if %3, %n grid(s)</source>
        <translation>
            <numerusform>%1 numbers, %2 if %3, %n grid</numerusform>
            <numerusform>%1 numbers, %2 if %3, %n grids</numerusform>
        </translation>
    </message>
    <message>
        <source>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3,</source>
        <translation>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3,</translation>
    </message>
    <message>
        <source>kept in every case (%1 cases).</source>
        <translation>kept in every case (%1 cases).</translation>
    </message>
    <message>
        <source>kept except in %1 cases out of %2, where the best grid holds only %3.</source>
        <translation>kept except in %1 cases out of %2, where the best grid holds only %3.</translation>
    </message>
    <message>
        <source>The file holds no grid.</source>
        <translation>The file holds no grid.</translation>
    </message>
    <message>
        <source>The file is too large for a wheel (at most 4 MB and 100,000 grids).</source>
        <translation>The file is too large for a wheel (at most 4 MB and 100,000 grids).</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>This is not a text file.</translation>
    </message>
    <message>
        <source>A field is not a whole number.</source>
        <translation>A field is not a whole number.</translation>
    </message>
    <message>
        <source>A grid needs exactly six numbers.</source>
        <translation>A grid needs exactly six numbers.</translation>
    </message>
    <message>
        <source>A number is outside 1 to 49, or above the N of the header.</source>
        <translation>A number is outside 1 to 49, or above the N of the header.</translation>
    </message>
    <message>
        <source>The same number is twice in one grid.</source>
        <translation>The same number is twice in one grid.</translation>
    </message>
    <message>
        <source>The header line is malformed or disagrees with the grids.</source>
        <translation>The header line is malformed or disagrees with the grids.</translation>
    </message>
    <message>
        <source>The file uses fewer than 7 different numbers.</source>
        <translation>The file uses fewer than 7 different numbers.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>The check of %1 if %2 could not be made.</source>
        <translation>The check of %1 if %2 could not be made.</translation>
    </message>
    <message>
        <source>%1 if %2 is kept in every case (%3 sets of %2 numbers).</source>
        <translation>%1 if %2 is kept in every case (%3 sets of %2 numbers).</translation>
    </message>
    <message>
        <source>%1 if %2 is not kept: %3 holes out of %4 sets of %2 numbers. The first ones:</source>
        <translation>%1 if %2 is not kept: %3 holes out of %4 sets of %2 numbers. The first ones:</translation>
    </message>
    <message>
        <source>%1 (unreadable)</source>
        <translation>%1 (unreadable)</translation>
    </message>
    <message>
        <source>%1 (%2 numbers, %3 if %4, %5 grids)</source>
        <translation>%1 (%2 numbers, %3 if %4, %5 grids)</translation>
    </message>
    <message>
        <source>This name cannot be used: 1 to 80 characters, no / or \, no dot first and no blank at either end.</source>
        <translation>This name cannot be used: 1 to 80 characters, no / or \, no dot first and no blank at either end.</translation>
    </message>
    <message>
        <source>A wheel of that name is already in the library.</source>
        <translation>A wheel of that name is already in the library.</translation>
    </message>
    <message>
        <source>There is no wheel of that name in the library.</source>
        <translation>There is no wheel of that name in the library.</translation>
    </message>
    <message>
        <source>The saved wheel cannot be read. %1</source>
        <translation>The saved wheel cannot be read. %1</translation>
    </message>
    <message>
        <source>The library could not be changed: %1</source>
        <translation>The library could not be changed: %1</translation>
    </message>
    <message>
        <source>List th&amp;e grids</source>
        <translation>List th&amp;e grids</translation>
    </message>
    <message>
        <source>en_US</source>
        <comment>locale</comment>
        <extracomment>The locale the figures are written in (thousands separator, decimal point): fr_FR or en_US.</extracomment>
        <translation>en_US</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: the wheel would need too many grids. %1</source>
        <translation>Beyond reach on this computer: the wheel would need too many grids. %1</translation>
    </message>
    <message>
        <source>Cases by the best result of one grid, for 3 to 6 drawn numbers:</source>
        <translation>Cases by the best result of one grid, for 3 to 6 drawn numbers:</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 numbers</translation>
    </message>
    <message>
        <source>B&amp;uild the wheel</source>
        <translation>B&amp;uild the wheel</translation>
    </message>
    <message>
        <source>The check of %1 if %2 was stopped.</source>
        <translation>The check of %1 if %2 was stopped.</translation>
    </message>
    <message>
        <source>Checking %1 if %2…</source>
        <translation>Checking %1 if %2…</translation>
    </message>
</context>
<context>
    <name>vormigral::TPageTirages</name>
    <message>
        <source>Add a draw</source>
        <translation>Add a draw</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>&amp;Bonus</source>
        <translation>&amp;Bonus</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>De&amp;lete…</source>
        <translation>De&amp;lete…</translation>
    </message>
    <message>
        <source>Delete the chosen draws</source>
        <translation>Delete the chosen draws</translation>
    </message>
    <message>
        <source>&amp;Import a file…</source>
        <translation>&amp;Import a file…</translation>
    </message>
    <message>
        <source>List of the stored draws</source>
        <translation>List of the stored draws</translation>
    </message>
    <message>
        <source>Date of the draw to add</source>
        <translation>Date of the draw to add</translation>
    </message>
    <message>
        <source>Number %1 of the draw to add</source>
        <translation>Number %1 of the draw to add</translation>
    </message>
    <message>
        <source>Bonus number of the draw to add</source>
        <translation>Bonus number of the draw to add</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Storing the draws… %1 of %2</source>
        <translation>Storing the draws… %1 of %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TPageVerification</name>
    <message>
        <source>A&amp;ll draws</source>
        <translation>A&amp;ll draws</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;From</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;to</translation>
    </message>
    <message>
        <source>Check &amp;my grids</source>
        <translation>Check &amp;my grids</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>&amp;Export as CSV…</translation>
    </message>
    <message>
        <source>Start of the period</source>
        <translation>Start of the period</translation>
    </message>
    <message>
        <source>End of the period</source>
        <translation>End of the period</translation>
    </message>
    <message>
        <source>Result per draw</source>
        <translation>Result per draw</translation>
    </message>
</context>
<context>
    <name>vormigral::TTailleAffichage</name>
    <message>
        <source>Display size</source>
        <translation>Display size</translation>
    </message>
    <message>
        <source>Size of the windows</source>
        <translation>Size of the windows</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a display size</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>The new size shows at the next start of the program.</source>
        <translation>The new size shows at the next start of the program.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The display size cannot be kept in %1: %2.</source>
        <translation>The display size cannot be kept in %1: %2.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problem !!</translation>
    </message>
    <message>
        <source>The display size cannot be kept: %1.</source>
        <translation>The display size cannot be kept: %1.</translation>
    </message>
</context>
<context>
    <name>vormigral::TVerificationArgent</name>
    <message>
        <source>en_IE</source>
        <extracomment>The locale whose way of writing amounts in euros the money check follows.</extracomment>
        <translation>en_IE</translation>
    </message>
    <message>
        <source>Cost: %1 — Winnings: %2 — Net result: %3</source>
        <translation>Cost: %1 — Winnings: %2 — Net result: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n winning grid(s) without a known payout, not counted.</source>
        <translation>
            <numerusform>%n winning grid without a known payout, not counted.</numerusform>
            <numerusform>%n winning grids without a known payout, not counted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n draw(s) without any stored payout.</source>
        <translation>
            <numerusform>%n draw without any stored payout.</numerusform>
            <numerusform>%n draws without any stored payout.</numerusform>
        </translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numbers</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Bonus</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numbers</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4 + Bonus</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numbers</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Bonus</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numbers</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>No draw checked.</source>
        <translation>No draw checked.</translation>
    </message>
    <message numerus="yes">
        <source>Cumulative net result over %n draw(s), from %1 to %2: lowest %3 on %4, highest %5 on %6, at the end %7.</source>
        <translation>
            <numerusform>Cumulative net result over %n draw, from %1 to %2: lowest %3 on %4, highest %5 on %6, at the end %7.</numerusform>
            <numerusform>Cumulative net result over %n draws, from %1 to %2: lowest %3 on %4, highest %5 on %6, at the end %7.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vormigral::Tapropos</name>
    <message>
        <source>A propos</source>
        <extracomment>The about box says the same in both languages.</extracomment>
        <translation>A propos</translation>
    </message>
    <message>
        <source>VORMIGRAL</source>
        <extracomment>The program&apos;s name, the same in every language.</extracomment>
        <translation>VORMIGRAL</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>V %1</source>
        <extracomment>The program&apos;s version number.</extracomment>
        <translation>V %1</translation>
    </message>
</context>
</TS>
