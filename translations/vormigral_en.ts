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
        <translation>&amp;Money…</translation>
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
    <name>vormigral::TForm5</name>
    <message>
        <source>GRID S LIST</source>
        <extracomment>The title printed at the top of the list of grids.</extracomment>
        <translation>GRID S LIST</translation>
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
