<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>vormigral::AideQt</name>
    <message>
        <source>VORMIGRAL - Aide / Help</source>
        <extracomment>The help holds both languages: its title names both.</extracomment>
        <translation>VORMIGRAL - Aide / Help</translation>
    </message>
    <message>
        <source>VORMIGRAL help</source>
        <translation>Aide de VORMIGRAL</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The anchor of this language&apos;s section in the help page (vormigral.html): &quot;fr&quot; or &quot;en&quot;.</extracomment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>vormigral::AnalyseMethode</name>
    <message>
        <source>%1%</source>
        <comment>a share of the cases or of the draws</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1 — 1 in %2</source>
        <translation>%1 — 1 sur %2</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 numéros</translation>
    </message>
    <message>
        <source>2 or fewer</source>
        <translation>2 ou moins</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 tirés</translation>
    </message>
    <message>
        <source>kept in every case (%1 cases).</source>
        <translation>tenue dans tous les cas (%1 cas).</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message numerus="yes">
        <source>kept except in %1 case(s) out of %2, where the best grid holds only %3.</source>
        <translation>
            <numerusform>tenue sauf dans %1 cas sur %2, où la meilleure grille n&apos;en contient que %3.</numerusform>
            <numerusform>tenue sauf dans %1 cas sur %2, où la meilleure grille n&apos;en contient que %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3, %4</source>
        <translation>Promesse : %1 numéros dans une grille si %2 des numéros tirés sont parmi vos %3, %4</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cas</translation>
    </message>
    <message>
        <source>not possible</source>
        <translation>sans objet</translation>
    </message>
    <message>
        <source>Drawn among your %1
(exactly)</source>
        <translation>Tirés parmi vos %1
(exactement)</translation>
    </message>
    <message>
        <source>In one grid
(at least)</source>
        <translation>Dans une même grille
(au moins)</translation>
    </message>
    <message>
        <source>Method %1: %2</source>
        <translation>Méthode %1 : %2</translation>
    </message>
    <message>
        <source>You play %1 grids on your %2 ticked numbers.</source>
        <translation>Vous jouez %1 grilles sur vos %2 numéros cochés.</translation>
    </message>
    <message>
        <source>&amp;Number of cases by the best result of one grid, for 3 to 6 drawn numbers among your %1:</source>
        <translation>&amp;Nombre de cas selon le meilleur résultat d&apos;une grille, pour 3 à 6 numéros tirés parmi vos %1 :</translation>
    </message>
    <message>
        <source>&amp;Odds per draw of 6 numbers out of 49 (%1 possible draws), playing your %2 grids:</source>
        <translation>Chances &amp;par tirage de 6 numéros sur 49 (%1 tirages possibles), en jouant vos %2 grilles :</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a share of the chart under the pointer</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>a bar of the chart in words</comment>
        <translation>%1 : %2.</translation>
    </message>
    <message>
        <source>Share of the cases by the best result of one grid. %1</source>
        <translation>Part des cas selon le meilleur résultat d&apos;une grille. %1</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Export the grids</source>
        <translation>Exporter les grilles</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>grids-method-%1.csv</source>
        <translation>grilles-methode-%1.csv</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Ticked numbers</source>
        <translation>Numéros cochés</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>N%1</source>
        <extracomment>The column of a grid&apos;s i-th number, N1 to N6.</extracomment>
        <translation>N%1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
</context>
<context>
    <name>vormigral::Impression</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The printer choice kept in %1 cannot be read (%2): printing goes on as if no printer had been chosen.</source>
        <translation>Le choix d&apos;imprimante enregistré dans %1 ne peut pas être lu (%2) : l&apos;impression se fait comme si aucune imprimante n&apos;avait été choisie.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
    <message>
        <source>No printer: the pages can be saved as PDF</source>
        <translation>Aucune imprimante : les pages pourront être enregistrées en PDF</translation>
    </message>
    <message>
        <source>Printer: to be chosen when printing</source>
        <translation>Imprimante : à choisir au moment d&apos;imprimer</translation>
    </message>
    <message>
        <source>Printer: &quot;%1&quot; (system default)</source>
        <translation>Imprimante : « %1 » (par défaut du système)</translation>
    </message>
    <message>
        <source>Printer: &quot;%1&quot;</source>
        <translation>Imprimante : « %1 »</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Looking for printers…</source>
        <translation>Recherche des imprimantes…</translation>
    </message>
    <message>
        <source>Sending to the printer…</source>
        <translation>Envoi à l&apos;imprimante…</translation>
    </message>
    <message>
        <source>Printing cancelled.</source>
        <translation>Impression annulée.</translation>
    </message>
    <message>
        <source>Printer: the print service (%1) does not answer</source>
        <translation>Imprimante : le service d&apos;impression (%1) ne répond pas</translation>
    </message>
    <message>
        <source>Printing is not available: the print service (%1) does not answer.</source>
        <translation>L&apos;impression n&apos;est pas possible : le service d&apos;impression (%1) ne répond pas.</translation>
    </message>
    <message>
        <source>The print service (%1) does not answer: the printers could not be listed after a few seconds&apos; wait.</source>
        <translation>Le service d&apos;impression (%1) ne répond pas : les imprimantes n&apos;ont pas pu être listées après quelques secondes d&apos;attente.</translation>
    </message>
    <message>
        <source>The print service (%1) does not answer: printing was given up after a few seconds&apos; wait.</source>
        <translation>Le service d&apos;impression (%1) ne répond pas : l&apos;impression a été abandonnée après quelques secondes d&apos;attente.</translation>
    </message>
</context>
<context>
    <name>vormigral::ImpressionBulletins</name>
    <message>
        <source>Incorrect grid numbers to print</source>
        <translation>Numéros des grilles à imprimer incorrect</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
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
            <numerusform>travail %1</numerusform>
            <numerusform>travaux %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing failed: %1
The print job was abandoned.</source>
        <translation>L&apos;impression a échoué : %1
Le travail d&apos;impression a été abandonné.</translation>
    </message>
    <message>
        <source>Before that, the printer &quot;%1&quot; had accepted %2 (%3).</source>
        <translation>Avant cela, l&apos;imprimante « %1 » avait accepté %2 (%3).</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
    <message>
        <source>Marks outside the area &quot;%3&quot; can print: %1 of %2. They would be missing on paper; the offsets (Options › Parameters) may be too large.

Print anyway?</source>
        <translation>Marques hors de la zone que « %3 » peut imprimer : %1 sur %2. Elles manqueraient sur le papier ; les décalages (Options › Paramètres) sont peut-être trop grands.

Imprimer quand même ?</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>No printer is installed: nothing can be printed.

Do you want to save the same pages to a PDF file?</source>
        <translation>Aucune imprimante n&apos;est installée : rien ne peut être imprimé.

Voulez-vous enregistrer les mêmes pages dans un fichier PDF ?</translation>
    </message>
    <message>
        <source>Save the pages as PDF</source>
        <translation>Enregistrer les pages en PDF</translation>
    </message>
    <message>
        <source>The pages were saved to the PDF file:
%1</source>
        <translation>Les pages ont été enregistrées dans le fichier PDF :
%1</translation>
    </message>
    <message>
        <source>no print job is open (%1)</source>
        <extracomment>A programming error: a print run drew on a surface with no job open.</extracomment>
        <translation>aucun travail d&apos;impression n&apos;est ouvert (%1)</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>L&apos;imprimante « %1 » n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot; (%2).</source>
        <translation>Impossible d&apos;écrire le fichier « %1 » (%2).</translation>
    </message>
    <message>
        <source>Writing the file &quot;%1&quot; broke off.</source>
        <translation>L&apos;écriture du fichier « %1 » s&apos;est interrompue.</translation>
    </message>
    <message>
        <source>Cannot prepare the pages for &quot;%1&quot; (%2).</source>
        <translation>Impossible de préparer les pages pour « %1 » (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not answer (%2).</source>
        <translation>L&apos;imprimante « %1 » ne répond pas (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped%2: it does not print.</source>
        <extracomment>%2 is the printer&apos;s message in parentheses after a space, or nothing.</extracomment>
        <translation>L&apos;imprimante « %1 » est arrêtée%2 : elle n&apos;imprime pas.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job: %2</source>
        <translation>L&apos;imprimante « %1 » a refusé le travail : %2</translation>
    </message>
    <message>
        <source>Job %1 was held by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Le travail %1 a été mis en attente par l&apos;imprimante « %2 »%3.</translation>
    </message>
    <message>
        <source>Job %1 was stopped by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Le travail %1 a été arrêté par l&apos;imprimante « %2 »%3.</translation>
    </message>
    <message>
        <source>Job %1 was cancelled by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Le travail %1 a été annulé par l&apos;imprimante « %2 »%3.</translation>
    </message>
    <message>
        <source>Job %1 was aborted by the printer &quot;%2&quot;%3.</source>
        <extracomment>%3 is the spooler&apos;s reason in parentheses after a space, or nothing.</extracomment>
        <translation>Le travail %1 a été interrompu par l&apos;imprimante « %2 »%3.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; accepted %2 (%3).</source>
        <translation>L&apos;imprimante « %1 » a accepté %2 (%3).</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>vormigral::Methodes</name>
    <message>
        <source>%1 numbers if %2 numbers in the %3 in %4 grilles</source>
        <extracomment>Method 23&apos;s description, whose English ends with the French word.</extracomment>
        <translation>%1 numéros si %2 numéros parmi les %3 en %4 grilles</translation>
    </message>
    <message>
        <source>%1 numbers if %2 numbers in the %3 in %4 grids</source>
        <translation>%1 numéros si %2 numéros parmi les %3 en %4 grilles</translation>
    </message>
</context>
<context>
    <name>vormigral::ModeleRecapitulatif</name>
    <message>
        <source>Number of grids in this class</source>
        <translation>Nombre de grilles de ce rang</translation>
    </message>
    <message>
        <source>Drawn numbers among your ticked numbers</source>
        <translation>Numéros tirés parmi vos numéros cochés</translation>
    </message>
    <message>
        <source>The method&apos;s guarantee holds when enough drawn numbers are among your numbers</source>
        <translation>La garantie de la méthode vaut quand assez de numéros tirés sont parmi vos numéros</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>Best class</source>
        <translation>Meilleur rang</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Promise</source>
        <translation>Promesse</translation>
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
        <translation>Comp.</translation>
    </message>
</context>
<context>
    <name>vormigral::Reglages</name>
    <message>
        <source>the file there is left as it is</source>
        <translation>le fichier qui s&apos;y trouve est laissé tel quel</translation>
    </message>
    <message>
        <source>no per-user folder (HOME is not set)</source>
        <translation>aucun dossier personnel (la variable HOME n&apos;est pas définie)</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the file is write-protected</source>
        <translation>le fichier est protégé en écriture</translation>
    </message>
    <message>
        <source>the folder is write-protected</source>
        <translation>le dossier est protégé en écriture</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>no room left (disk full, quota or size limit)</source>
        <translation>plus de place (disque plein, quota ou taille limite)</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>erreur d&apos;écriture</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A place the settings cannot go to, and why.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a file: it is left as it is, and the default settings are used.</source>
        <translation>%1 n&apos;est pas un fichier : il est laissé tel quel, et les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: it is left as it is, and the default settings are used.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu : il est laissé tel quel, et les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>Your settings will be saved in %1 when you quit with Quit.</source>
        <translation>Vos réglages seront enregistrés dans %1 quand vous quitterez par Quitter.</translation>
    </message>
    <message>
        <source>Your settings cannot be saved anywhere:</source>
        <translation>Vos réglages ne peuvent être enregistrés nulle part :</translation>
    </message>
    <message>
        <source>The language will be asked again at the next start.</source>
        <translation>La langue vous sera demandée de nouveau au prochain lancement.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>There was a problem: your settings were not saved.</source>
        <translation>Il y a eu un problème : vos réglages n&apos;ont pas été enregistrés.</translation>
    </message>
    <message>
        <source>File not saved !!</source>
        <translation>Fichier non sauvegardé !!</translation>
    </message>
</context>
<context>
    <name>vormigral::TAnalyse</name>
    <message>
        <source>Method analysis</source>
        <translation>Analyse de la méthode</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No method is selected: choose one in the main window&apos;s list.</source>
        <translation>Aucune méthode n&apos;est choisie : choisissez-en une dans la liste de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Number of cases by the best result of one grid</source>
        <translation>Nombre de cas selon le meilleur résultat d&apos;une grille</translation>
    </message>
    <message>
        <source>Odds per draw</source>
        <translation>Chances par tirage</translation>
    </message>
    <message>
        <source>Chart of the share of the cases by the best result</source>
        <translation>Graphique de la part des cas selon le meilleur résultat</translation>
    </message>
    <message>
        <source>Close the analysis</source>
        <translation>Fermer l&apos;analyse</translation>
    </message>
</context>
<context>
    <name>vormigral::TApercu</name>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Agrandir</translation>
    </message>
    <message>
        <source>Preview of the pages</source>
        <translation>Aperçu des pages</translation>
    </message>
    <message>
        <source>on the printer &quot;%1&quot;</source>
        <translation>sur l&apos;imprimante « %1 »</translation>
    </message>
    <message>
        <source>in a PDF file (no printer is installed)</source>
        <translation>dans un fichier PDF (aucune imprimante n&apos;est installée)</translation>
    </message>
    <message>
        <source>laid out as a PDF file (the printer will be chosen when printing)</source>
        <translation>avec la mise en page d&apos;un fichier PDF (l&apos;imprimante sera choisie en imprimant)</translation>
    </message>
    <message>
        <source>The crosses are where they will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); in red, the slip&apos;s boxes where these offsets place it; dotted, the printable area.</source>
        <translation>Les croix sont là où elles seront imprimées %1, décalages compris (horizontal %2 mm, vertical %3 mm) ; en rouge, les cases du bulletin là où ces décalages le placent ; en pointillés, la zone imprimable.</translation>
    </message>
    <message>
        <source>The pages as they will be printed %1; dotted, the printable area.</source>
        <translation>Les pages telles qu&apos;elles seront imprimées %1 ; en pointillés, la zone imprimable.</translation>
    </message>
    <message>
        <source>The calibration sheet as it will be printed %1, offsets included (horizontal %2 mm, vertical %3 mm); dotted, the printable area.</source>
        <translation>La feuille de calage telle qu&apos;elle sera imprimée %1, décalages compris (horizontal %2 mm, vertical %3 mm) ; en pointillés, la zone imprimable.</translation>
    </message>
    <message>
        <source>Slip %1 of %2</source>
        <translation>Bulletin %1 sur %2</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TApercuImport</name>
    <message>
        <source>Import preview</source>
        <translation>Aperçu de l&apos;importation</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier : %1</translation>
    </message>
    <message>
        <source>To add: %1 · Already stored (skipped): %2 · Rejected lines: %3</source>
        <translation>À ajouter : %1 · Déjà enregistrés (ignorés) : %2 · Lignes rejetées : %3</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Rejected lines</source>
        <translation>Lignes rejetées</translation>
    </message>
    <message>
        <source>No line rejected.</source>
        <translation>Aucune ligne rejetée.</translation>
    </message>
    <message>
        <source>&amp;Rejected lines:</source>
        <translation>&amp;Lignes rejetées :</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more rejected line(s), not listed.</source>
        <translation>
            <numerusform>… et %n autre ligne rejetée, non détaillée.</numerusform>
            <numerusform>… et %n autres lignes rejetées, non détaillées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to store</source>
        <translation>Rien à enregistrer</translation>
    </message>
    <message>
        <source>&amp;Store the draw</source>
        <translation>&amp;Enregistrer le tirage</translation>
    </message>
    <message>
        <source>&amp;Store the %1 draws</source>
        <translation>&amp;Enregistrer les %1 tirages</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>vormigral::TCalage</name>
    <message>
        <source>Calibration sheet</source>
        <translation>Feuille de calage</translation>
    </message>
    <message>
        <source>&amp;Ticket type</source>
        <translation>&amp;Type de bulletin</translation>
    </message>
    <message>
        <source>The calibration sheet prints on plain paper: a frame where each cross would go, with the current offsets, and two millimetre scales. Laid on a real slip, it shows how much to correct the offsets (Options › Parameters). The sheet itself explains how to read it.</source>
        <translation>La feuille de calage s&apos;imprime sur du papier ordinaire : un cadre à la place de chaque croix, avec les décalages actuels, et deux échelles en millimètres. Posée sur un vrai bulletin, elle montre de combien corriger les décalages (Options › Paramètres). La feuille elle-même explique comment la lire.</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Ticket type</source>
        <translation>Type de bulletin</translation>
    </message>
    <message>
        <source>Current offsets: horizontal %1 mm, vertical %2 mm.</source>
        <translation>Décalages actuels : horizontal %1 mm, vertical %2 mm.</translation>
    </message>
    <message>
        <source>Each frame shows where the printer will put the cross of a number. Lay this sheet on a play slip, top and left edges together as they go into the printer, and look through it against the light. On the scale above box 10, read in millimetres where the middle of the slip&apos;s box falls and add that number to the horizontal offset. On the scale to the right of box 40 of the last grid, read the middle of the box the same way and add that number to the vertical offset. Set the offsets in Options › Parameters, then print a new sheet: each frame should sit in the middle of its box.</source>
        <translation>Chaque cadre montre où l&apos;imprimante placera la croix d&apos;un numéro. Posez cette feuille sur un bulletin, bords du haut et de gauche l&apos;un contre l&apos;autre comme ils entrent dans l&apos;imprimante, et regardez par transparence. Sur l&apos;échelle placée au-dessus de la case 10, lisez en millimètres où tombe le milieu de la case du bulletin et ajoutez ce nombre au décalage horizontal. Sur l&apos;échelle placée à droite de la case 40 de la dernière grille, lisez de même le milieu de la case et ajoutez ce nombre au décalage vertical. Réglez les décalages dans Options › Paramètres, puis imprimez une nouvelle feuille : chaque cadre doit tomber au milieu de sa case.</translation>
    </message>
    <message>
        <source>CALIBRATION SHEET: %1</source>
        <translation>FEUILLE DE CALAGE : %1</translation>
    </message>
    <message>
        <source>Offsets applied: horizontal %1 mm, vertical %2 mm</source>
        <translation>Décalages appliqués : horizontal %1 mm, vertical %2 mm</translation>
    </message>
</context>
<context>
    <name>vormigral::TChoixColonnes</name>
    <message>
        <source>Line %1: %2 — %3 + %4</source>
        <translation>Ligne %1 : %2 — %3 + %4</translation>
    </message>
    <message>
        <source>Line %1: not a draw with these columns</source>
        <translation>Ligne %1 : pas un tirage avec ces colonnes</translation>
    </message>
    <message>
        <source>Choose the column of: %1.</source>
        <translation>Choisissez la colonne de : %1.</translation>
    </message>
    <message>
        <source>One column cannot hold %1 and another field.</source>
        <translation>Une colonne ne peut pas contenir %1 et un autre champ.</translation>
    </message>
    <message>
        <source>No line reads as a draw with these columns.</source>
        <translation>Aucune ligne ne se lit comme un tirage avec ces colonnes.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Ball %1</source>
        <translation>Boule %1</translation>
    </message>
</context>
<context>
    <name>vormigral::TChoixImprimante</name>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printers</source>
        <translation>Imprimantes</translation>
    </message>
    <message>
        <source>%1 — stopped%2</source>
        <translation>%1 — arrêtée%2</translation>
    </message>
    <message>
        <source>%1 — refuses jobs%2</source>
        <translation>%1 — refuse les travaux%2</translation>
    </message>
    <message>
        <source>%1 — system default</source>
        <translation>%1 — par défaut du système</translation>
    </message>
    <message>
        <source>No printer is installed on this computer.</source>
        <translation>Aucune imprimante n&apos;est installée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Choose the printer for your slips and lists. The choice is kept for you on this computer.</source>
        <translation>Choisissez l&apos;imprimante de vos bulletins et de vos listes. Ce choix est gardé pour vous sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The printer you had chosen no longer exists: choose the one that should print.</source>
        <translation>L&apos;imprimante que vous aviez choisie n&apos;existe plus : choisissez celle qui doit imprimer.</translation>
    </message>
    <message>
        <source>No default printer is set on this computer: choose the one that should print. The choice will be kept for the next prints.</source>
        <translation>Aucune imprimante par défaut n&apos;est réglée sur cet ordinateur : choisissez celle qui doit imprimer. Ce choix sera gardé pour les impressions suivantes.</translation>
    </message>
    <message>
        <source>The system&apos;s default printer (%1)</source>
        <translation>Imprimante par défaut du système (%1)</translation>
    </message>
    <message>
        <source>The choice of printer could not be saved in %1: it holds for this time only.</source>
        <translation>Le choix de l&apos;imprimante n&apos;a pas pu être enregistré dans %1 : il vaut pour cette fois.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
</context>
<context>
    <name>vormigral::TFenetreArgent</name>
    <message>
        <source>Money check</source>
        <translation>Bilan financier</translation>
    </message>
    <message>
        <source>&amp;Price of one grid for one draw:</source>
        <translation>&amp;Prix d&apos;une grille pour un tirage :</translation>
    </message>
    <message>
        <source>Price of one grid for one draw</source>
        <translation>Prix d&apos;une grille pour un tirage</translation>
    </message>
    <message>
        <source> €</source>
        <translation> €</translation>
    </message>
    <message>
        <source>Period&apos;s totals</source>
        <translation>Totaux de la période</translation>
    </message>
    <message>
        <source>Not counted</source>
        <translation>Non compté</translation>
    </message>
    <message>
        <source>Money per draw</source>
        <translation>Bilan par tirage</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Winnings</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>C&amp;umulative net result:</source>
        <translation>Résultat net c&amp;umulé :</translation>
    </message>
    <message>
        <source>Cumulative net result</source>
        <translation>Résultat net cumulé</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The payouts could not be read: %1</source>
        <translation>Les rapports n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>The price could not be kept in %1.</source>
        <translation>Le prix n&apos;a pas pu être conservé dans %1.</translation>
    </message>
    <message>
        <source>&amp;Money…</source>
        <translation>&amp;Bilan financier…</translation>
    </message>
    <message>
        <source>The payouts could not be read.</source>
        <translation>Les rapports n&apos;ont pas pu être lus.</translation>
    </message>
</context>
<context>
    <name>vormigral::TFenetreColonnes</name>
    <message>
        <source>File columns</source>
        <translation>Colonnes du fichier</translation>
    </message>
    <message>
        <source>Choose the column of the file that holds each part of a draw.</source>
        <translation>Choisissez la colonne du fichier qui contient chaque partie d&apos;un tirage.</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>&amp;First lines as read:</source>
        <translation>&amp;Premières lignes telles que lues :</translation>
    </message>
    <message>
        <source>First lines as read</source>
        <translation>Premières lignes telles que lues</translation>
    </message>
    <message>
        <source>This mapping will be remembered for files with the same header.</source>
        <translation>Cette correspondance sera retenue pour les fichiers ayant le même en-tête.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The choice of columns could not be remembered in your configuration folder.</source>
        <translation>Le choix des colonnes n&apos;a pas pu être retenu dans votre dossier de configuration.</translation>
    </message>
    <message>
        <source>&amp;Columns…</source>
        <translation>&amp;Colonnes…</translation>
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
        <translation>Choix de la méthode</translation>
    </message>
    <message>
        <source>View the grids</source>
        <translation>Voir les grilles</translation>
    </message>
    <message>
        <source>View the list of the grids</source>
        <translation>Voir la liste des grilles</translation>
    </message>
    <message>
        <source>Print the grids</source>
        <translation>Imprimer les grilles</translation>
    </message>
    <message>
        <source>Compare with the results</source>
        <translation>Comparer avec les résultats</translation>
    </message>
    <message>
        <source>Clear the bill</source>
        <translation>Effacer la grille</translation>
    </message>
    <message>
        <source>Random numbers</source>
        <translation>Numéros aléatoires</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>numbers selected</source>
        <translation>Cases cochées</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Fichiers</translation>
    </message>
    <message>
        <source>&amp;Load Bill</source>
        <translation>&amp;Charger bulletin</translation>
    </message>
    <message>
        <source>&amp;Save Bill</source>
        <translation>&amp;Enregistrer bulletin</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Utilize</source>
        <translation>&amp;Utilisation</translation>
    </message>
    <message>
        <source>&amp;View the grids</source>
        <translation>&amp;Voir les bulletins</translation>
    </message>
    <message>
        <source>View the &amp;list of the grids</source>
        <translation>Voir la &amp;liste des bulletins</translation>
    </message>
    <message>
        <source>&amp;Compare with the results</source>
        <translation>&amp;Comparer avec les resultats</translation>
    </message>
    <message>
        <source>&amp;Print the grids</source>
        <translation>&amp;Imprimer les grilles</translation>
    </message>
    <message>
        <source>Method &amp;analysis</source>
        <translation>&amp;Analyse de la méthode</translation>
    </message>
    <message>
        <source>Draw &amp;history</source>
        <translation>&amp;Historique des tirages</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>P&amp;rinter…</source>
        <translation>&amp;Imprimante…</translation>
    </message>
    <message>
        <source>&amp;Calibration sheet…</source>
        <translation>&amp;Feuille de calage…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>the menu</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>the menu entry that opens the help</comment>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Infos</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Numbers to tick</source>
        <translation>Numéros à cocher</translation>
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
        <translation>Méthode %1 : %2 numéros à cocher, %3 cochés.</translation>
    </message>
    <message>
        <source>Incorrect Selection</source>
        <translation>Sélection incorrecte</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
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
        <translation>Un nom qui commence par un point désigne un fichier caché, que la liste des fichiers ne montre pas : le fichier n&apos;a pas été enregistré. Choisissez un autre nom.</translation>
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
        <translation>E&amp;xporter les grilles…</translation>
    </message>
    <message>
        <source>&amp;Display size…</source>
        <translation>&amp;Taille d&apos;affichage…</translation>
    </message>
    <message>
        <source>My &amp;wheels…</source>
        <translation>Mes &amp;roues…</translation>
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
        <translation>Bulletins à cocher</translation>
    </message>
    <message>
        <source>Method selected</source>
        <translation>Methode Sélectionnée</translation>
    </message>
    <message>
        <source>Grids</source>
        <comment>the counter&apos;s caption</comment>
        <translation>Bulletin</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Previous grid</source>
        <translation>Grille précédente</translation>
    </message>
    <message>
        <source>Next grid</source>
        <translation>Grille suivante</translation>
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
        <translation>Grille %1 : %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm5</name>
    <message>
        <source>GRID S LIST</source>
        <extracomment>The title printed at the top of the list of grids.</extracomment>
        <translation>LISTE DES BULLETINS</translation>
    </message>
    <message>
        <source>List of the grids </source>
        <translation>Liste des bulletins à cocher</translation>
    </message>
    <message>
        <source>Print the list of grids</source>
        <translation>Imprimer la liste des bulletins</translation>
    </message>
    <message>
        <source>Print the grids</source>
        <translation>Imprimer les bulletins</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Preview the list</source>
        <translation>Aperçu de la liste</translation>
    </message>
    <message>
        <source>Grids of the method</source>
        <translation>Grilles de la méthode</translation>
    </message>
    <message>
        <source>The printer&apos;s answer</source>
        <translation>Réponse de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm6</name>
    <message>
        <source>Abort</source>
        <translation>Annule</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Select the file to load</source>
        <translation>Sélectionnez le fichier à charger</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Indiquer le nom du fichier à enregistrer</translation>
    </message>
</context>
<context>
    <name>vormigral::TForm7</name>
    <message>
        <source>Print</source>
        <comment>the window&apos;s title</comment>
        <translation>Imprimer les bulletins</translation>
    </message>
    <message>
        <source>TICKET TYPE</source>
        <translation>TYPE DE BULLETIN</translation>
    </message>
    <message>
        <source>Grids to print</source>
        <translation>Grilles à imprimer</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Print Type</source>
        <translation>Type d impression</translation>
    </message>
    <message>
        <source>Print all the tickets</source>
        <translation>Imprimer tous les bulletins à la fois</translation>
    </message>
    <message>
        <source>Stop after each tickets</source>
        <translation>Imprimer un bulletin à la fois</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print</source>
        <comment>the button</comment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Choose the printer</source>
        <translation>Choisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>Ticket type</source>
        <translation>Type de bulletin</translation>
    </message>
    <message>
        <source>First grid to print</source>
        <translation>Première grille à imprimer</translation>
    </message>
    <message>
        <source>Last grid to print</source>
        <translation>Dernière grille à imprimer</translation>
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
        <translation>Analyser Résultats</translation>
    </message>
    <message>
        <source>WINNER</source>
        <translation>BULLETIN GAGNANT</translation>
    </message>
    <message>
        <source>Numbers of good results</source>
        <translation>Nombre de bons résultats</translation>
    </message>
    <message>
        <source>View Results</source>
        <translation>Afficher résultats</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4+Comp.</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numéros</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Comp.</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numéros</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numeros</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Comp.</translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numéros</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
    <message>
        <source>Bonus number</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Results by grid</source>
        <translation>Résultats par grille</translation>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>A number is selected more than one time</source>
        <translation>Un même numéro ne peut pas être selectionné plusieurs fois</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
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
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
    <message>
        <source>Horizontal Adjustment</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message>
        <source>Vertical Adjustment</source>
        <translation>Décalage vertical</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>Horizontal adjustment in millimetres</source>
        <translation>Décalage horizontal en millimètres</translation>
    </message>
    <message>
        <source>Vertical adjustment in millimetres</source>
        <translation>Décalage vertical en millimètres</translation>
    </message>
    <message>
        <source>French flag</source>
        <translation>Drapeau français</translation>
    </message>
    <message>
        <source>British flag</source>
        <translation>Drapeau britannique</translation>
    </message>
</context>
<context>
    <name>vormigral::TGestionHistorique</name>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
    <message>
        <source>the folder %1 cannot be created</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>SQLite cannot open %1 (%2)</source>
        <translation>SQLite ne peut pas ouvrir %1 (%2)</translation>
    </message>
    <message>
        <source>it is not an SQLite database</source>
        <translation>ce n&apos;est pas une base SQLite</translation>
    </message>
    <message>
        <source>SQLite found errors in it</source>
        <translation>SQLite y a trouvé des erreurs</translation>
    </message>
    <message>
        <source>it does not hold a draw history</source>
        <translation>il ne contient pas un historique de tirages</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of VORMIGRAL</source>
        <translation>%1 a été créé par une version plus récente de VORMIGRAL</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside (%2)</source>
        <translation>%1 est endommagé et ne peut pas être mis de côté (%2)</translation>
    </message>
    <message>
        <source>Draw history</source>
        <translation>Historique des tirages</translation>
    </message>
    <message>
        <source>The history file was damaged (%1). It is kept as %2 and an empty history was made in its place.</source>
        <translation>Le fichier de l&apos;historique était endommagé (%1). Il est gardé sous le nom %2 et un historique vide a été créé à sa place.</translation>
    </message>
    <message>
        <source>The draw history can only be read: %1 (%2).
Its draws can still be listed and checked, but nothing can be added, imported or deleted.</source>
        <translation>L&apos;historique des tirages ne peut qu&apos;être lu : %1 (%2).
Ses tirages restent affichés et vérifiables, mais rien ne peut être ajouté, importé ni supprimé.</translation>
    </message>
    <message>
        <source>The draw history was damaged; it was set aside as:
%1
A new history could not be made: %2</source>
        <translation>L&apos;historique des tirages était endommagé ; il a été mis de côté sous le nom :
%1
Un nouvel historique n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>The draw history cannot be opened: %1.</source>
        <translation>L&apos;historique des tirages ne peut pas être ouvert : %1.</translation>
    </message>
    <message>
        <source>the draws cannot be read (%1)</source>
        <translation>les tirages ne peuvent pas être lus (%1)</translation>
    </message>
    <message>
        <source>History unavailable: %1.</source>
        <translation>Historique indisponible : %1.</translation>
    </message>
    <message>
        <source>No draw stored: import a file or add a draw.</source>
        <translation>Aucun tirage enregistré : importez un fichier ou ajoutez un tirage.</translation>
    </message>
    <message>
        <source>1 draw stored, on %1.</source>
        <translation>1 tirage enregistré, le %1.</translation>
    </message>
    <message>
        <source>%1 draws stored, from %2 to %3.</source>
        <translation>%1 tirages enregistrés, du %2 au %3.</translation>
    </message>
    <message>
        <source>Choose the six numbers and the bonus number.</source>
        <translation>Choisissez les six numéros et le complémentaire.</translation>
    </message>
    <message>
        <source>Draw not added: %1.</source>
        <translation>Tirage non ajouté : %1.</translation>
    </message>
    <message>
        <source>this draw is already stored</source>
        <translation>ce tirage est déjà enregistré</translation>
    </message>
    <message>
        <source>First choose in the list the draw or draws to delete.</source>
        <translation>Choisissez d&apos;abord dans la liste le ou les tirages à supprimer.</translation>
    </message>
    <message>
        <source>Delete the draw of %1?</source>
        <translation>Supprimer le tirage du %1 ?</translation>
    </message>
    <message>
        <source>Delete the %1 chosen draws?</source>
        <translation>Supprimer les %1 tirages choisis ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Import draws</source>
        <translation>Importer des tirages</translation>
    </message>
    <message>
        <source>Draw files (*.csv *.txt *.tsv);;All files (*)</source>
        <translation>Fichiers de tirages (*.csv *.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import refused</source>
        <translation>Importation refusée</translation>
    </message>
    <message>
        <source>%1 is a folder: nothing was imported.</source>
        <translation>%1 est un dossier : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 is not a regular file (it is a named pipe, a device or a socket): nothing was imported.</source>
        <translation>%1 n&apos;est pas un fichier ordinaire (c&apos;est un tube nommé, un périphérique ou une socket) : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not a text file: nothing was imported.</source>
        <translation>%1 n&apos;est pas un fichier texte : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 is too large to be a draw file: nothing was imported.</source>
        <translation>%1 est trop grand pour être un fichier de tirages : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 holds no valid draw line: nothing was imported.</source>
        <translation>%1 ne contient aucune ligne de tirage valable : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1 holds no valid draw line (%2): nothing was imported.</source>
        <translation>%1 ne contient aucune ligne de tirage valable (%2) : rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the date</source>
        <translation>la date</translation>
    </message>
    <message>
        <source>the bonus number</source>
        <translation>le complémentaire</translation>
    </message>
    <message>
        <source>number %1</source>
        <translation>le numéro %1</translation>
    </message>
    <message>
        <source>The header line of %1 has no column for %2: nothing was imported.</source>
        <translation>La ligne d&apos;en-tête de %1 n&apos;a pas de colonne pour %2 : rien n&apos;a été importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n draw(s) added; %1 already stored (skipped).</source>
        <translation>
            <numerusform>%n tirage ajouté ; %1 déjà enregistrés (ignorés).</numerusform>
            <numerusform>%n tirages ajoutés ; %1 déjà enregistrés (ignorés).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 already stored with another bonus number (skipped, the stored one kept).</source>
        <translation>%1 déjà enregistrés avec un autre complémentaire (ignorés, celui de l&apos;historique est gardé).</translation>
    </message>
    <message>
        <source>Incorrect Selection</source>
        <translation>Sélection incorrecte</translation>
    </message>
    <message>
        <source>The start of the period is after its end.</source>
        <translation>Le début de la période est après sa fin.</translation>
    </message>
    <message>
        <source>No draw stored in this period.</source>
        <translation>Aucun tirage enregistré dans cette période.</translation>
    </message>
    <message>
        <source>Method %1: %2 grids over your %3 numbers; draws compared: %4.</source>
        <translation>Méthode %1 : %2 grilles sur vos %3 numéros ; tirages comparés : %4.</translation>
    </message>
    <message>
        <source>: </source>
        <extracomment>Between a class and its count; French puts a blank before the colon.</extracomment>
        <translation> : </translation>
    </message>
    <message>
        <source>Winning grids over the period: %1.</source>
        <translation>Grilles gagnantes sur la période : %1.</translation>
    </message>
    <message>
        <source>The method&apos;s guarantee (%1 if %2): draws where it applies: %3; where it is kept: %4.</source>
        <translation>Garantie de la méthode (%1 si %2) : tirages où elle s&apos;applique : %3 ; où elle est tenue : %4.</translation>
    </message>
    <message>
        <source>Export the check</source>
        <translation>Exporter la vérification</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>grid-check.csv</source>
        <translation>verification-grilles.csv</translation>
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
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Best class</source>
        <translation>Meilleur rang</translation>
    </message>
    <message>
        <source>Found among your numbers</source>
        <translation>Trouvés parmi vos numéros</translation>
    </message>
    <message>
        <source>Promise</source>
        <translation>Promesse</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>Your wheel: %1 grids over your %2 numbers; draws compared: %3.</source>
        <translation>Votre roue : %1 grilles sur vos %2 numéros ; tirages comparés : %3.</translation>
    </message>
    <message>
        <source>Waiting for another copy of the program, which is using the draw history…</source>
        <translation>En attente d&apos;une autre copie du programme, qui utilise l&apos;historique des tirages…</translation>
    </message>
</context>
<context>
    <name>vormigral::THistorique</name>
    <message>
        <source>Draw history</source>
        <translation>Historique des tirages</translation>
    </message>
    <message>
        <source>&amp;Stored draws</source>
        <translation>&amp;Tirages enregistrés</translation>
    </message>
    <message>
        <source>&amp;Grid check</source>
        <translation>&amp;Vérification des grilles</translation>
    </message>
    <message>
        <source>History pages</source>
        <translation>Pages de l&apos;historique</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numéros</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Comp.</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numéros</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4 + Comp.</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numéros</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Comp.</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numéros</translation>
    </message>
    <message>
        <source>5+B</source>
        <translation>5+C</translation>
    </message>
    <message>
        <source>4+B</source>
        <translation>4+C</translation>
    </message>
    <message>
        <source>3+B</source>
        <translation>3+C</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>tenue</translation>
    </message>
    <message>
        <source>missed</source>
        <translation>manquée</translation>
    </message>
    <message>
        <source>not applicable</source>
        <translation>sans objet</translation>
    </message>
    <message>
        <source>wrong number of fields</source>
        <translation>nombre de champs incorrect</translation>
    </message>
    <message>
        <source>unreadable date (DD/MM/YYYY or YYYY-MM-DD expected)</source>
        <translation>date illisible (JJ/MM/AAAA ou AAAA-MM-JJ attendu)</translation>
    </message>
    <message>
        <source>no such date</source>
        <translation>cette date n&apos;existe pas</translation>
    </message>
    <message>
        <source>the year is outside the years accepted (1900 to today)</source>
        <translation>l&apos;année est hors des années acceptées (de 1900 à aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>this date is after today</source>
        <translation>cette date est après aujourd&apos;hui</translation>
    </message>
    <message>
        <source>no such date read month first, as this file&apos;s dates are</source>
        <translation>cette date n&apos;existe pas lue mois avant jour, comme les dates de ce fichier</translation>
    </message>
    <message>
        <source>no such date read day first, as this file&apos;s dates are</source>
        <translation>cette date n&apos;existe pas lue jour avant mois, comme les dates de ce fichier</translation>
    </message>
    <message>
        <source>a number is missing or not a whole number</source>
        <translation>un numéro manque ou n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>a number is not between 1 and 49</source>
        <translation>un numéro n&apos;est pas entre 1 et 49</translation>
    </message>
    <message>
        <source>a number appears twice among the six</source>
        <translation>un numéro figure deux fois parmi les six</translation>
    </message>
    <message>
        <source>the bonus number is also one of the six</source>
        <translation>le complémentaire est aussi un des six numéros</translation>
    </message>
    <message>
        <source>same draw as line %1</source>
        <translation>même tirage qu&apos;à la ligne %1</translation>
    </message>
    <message>
        <source>same date and numbers as line %1, another bonus number</source>
        <translation>même date et mêmes numéros qu&apos;à la ligne %1, autre complémentaire</translation>
    </message>
    <message>
        <source>already stored with another bonus number</source>
        <translation>déjà enregistré avec un autre complémentaire</translation>
    </message>
    <message>
        <source>The dates of this file are read month first (MM/DD/YYYY).</source>
        <translation>Les dates de ce fichier sont lues mois avant jour (MM/JJ/AAAA).</translation>
    </message>
    <message>
        <source>The dates of this file are read year first (YYYY-MM-DD).</source>
        <translation>Les dates de ce fichier sont lues année d&apos;abord (AAAA-MM-JJ).</translation>
    </message>
    <message>
        <source>The dates of this file are read day first (DD/MM/YYYY).</source>
        <translation>Les dates de ce fichier sont lues jour avant mois (JJ/MM/AAAA).</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The locale whose month names spell out the dates of an imported file.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>First dates read: %1.</source>
        <translation>Premières dates lues : %1.</translation>
    </message>
    <message>
        <source>The draw history is not open.</source>
        <translation>L&apos;historique des tirages n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The draw history can only be read: nothing was stored.</source>
        <translation>L&apos;historique des tirages ne peut qu&apos;être lu : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The draw history has been busy with another copy of the program for more than 5 seconds: nothing was stored. Try again in a moment.</source>
        <translation>L&apos;historique des tirages est occupé par une autre copie du programme depuis plus de 5 secondes : rien n&apos;a été enregistré. Réessayez dans un moment.</translation>
    </message>
    <message>
        <source>The disk is full: nothing was stored in the draw history.</source>
        <translation>Le disque est plein : rien n&apos;a été enregistré dans l&apos;historique des tirages.</translation>
    </message>
    <message>
        <source>The system could not read or write the history file: nothing was stored.</source>
        <translation>Le système n&apos;a pas pu lire ou écrire le fichier de l&apos;historique : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The history file is damaged: nothing was stored. It will be set aside the next time the window opens.</source>
        <translation>Le fichier de l&apos;historique est endommagé : rien n&apos;a été enregistré. Il sera mis de côté à la prochaine ouverture de la fenêtre.</translation>
    </message>
    <message>
        <source>The draw of %1 breaks the history&apos;s rules: nothing was stored.</source>
        <translation>Le tirage du %1 ne respecte pas les règles de l&apos;historique : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Import cancelled: no draw was stored.</source>
        <translation>Importation annulée : aucun tirage n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The draw history refused to store the draws: nothing was stored.</source>
        <translation>L&apos;historique des tirages a refusé l&apos;enregistrement : rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>

Technical detail: %1</source>
        <translation>

Détail technique : %1</translation>
    </message>
</context>
<context>
    <name>vormigral::TMesRoues</name>
    <message>
        <source>My wheels</source>
        <translation>Mes roues</translation>
    </message>
    <message>
        <source>&amp;Build</source>
        <translation>&amp;Construire</translation>
    </message>
    <message>
        <source>&amp;Check and repair</source>
        <translation>Vérifier et &amp;réparer</translation>
    </message>
    <message>
        <source>&amp;Library</source>
        <translation>&amp;Bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Numbers (N):</source>
        <translation>&amp;Numéros (N) :</translation>
    </message>
    <message>
        <source>&amp;Guaranteed (t):</source>
        <translation>&amp;Garantis (t) :</translation>
    </message>
    <message>
        <source>&amp;If drawn among them (m):</source>
        <translation>&amp;Si tirés parmi eux (m) :</translation>
    </message>
    <message>
        <source>&amp;Time budget (seconds):</source>
        <translation>&amp;Temps accordé (secondes) :</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Import a file…</source>
        <translation>Importer un &amp;fichier…</translation>
    </message>
    <message>
        <source>G&amp;uaranteed (t):</source>
        <translation>Gara&amp;ntis (t) :</translation>
    </message>
    <message>
        <source>I&amp;f drawn among them (m):</source>
        <translation>Si &amp;tirés parmi eux (m) :</translation>
    </message>
    <message>
        <source>Chec&amp;k</source>
        <translation>Vérifi&amp;er</translation>
    </message>
    <message>
        <source>&amp;Repair</source>
        <translation>Ré&amp;parer</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Save in the library</source>
        <translation>&amp;Enregistrer dans la bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Rena&amp;me to this name</source>
        <translation>Reno&amp;mmer avec ce nom</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Save to a &amp;file…</source>
        <translation>Enregistrer dans un &amp;fichier…</translation>
    </message>
    <message>
        <source>Current wheel</source>
        <translation>Roue en cours</translation>
    </message>
    <message>
        <source>&amp;View the grids</source>
        <translation>&amp;Voir les grilles</translation>
    </message>
    <message>
        <source>&amp;Print the grids</source>
        <translation>&amp;Imprimer les grilles</translation>
    </message>
    <message>
        <source>Check against the &amp;history</source>
        <translation>Vérifier sur l&apos;&amp;historique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Numbers of the wheel</source>
        <translation>Numéros de la roue</translation>
    </message>
    <message>
        <source>Numbers guaranteed in one grid</source>
        <translation>Numéros garantis dans une grille</translation>
    </message>
    <message>
        <source>Drawn numbers among the wheel&apos;s</source>
        <translation>Numéros tirés parmi ceux de la roue</translation>
    </message>
    <message>
        <source>Time budget in seconds</source>
        <translation>Temps accordé en secondes</translation>
    </message>
    <message>
        <source>Numbers guaranteed, to check</source>
        <translation>Numéros garantis, à vérifier</translation>
    </message>
    <message>
        <source>Drawn numbers, to check</source>
        <translation>Numéros tirés, à vérifier</translation>
    </message>
    <message>
        <source>Holes: sets of drawn numbers the wheel misses</source>
        <translation>Trous : tirages que la roue manque</translation>
    </message>
    <message>
        <source>Saved wheels</source>
        <translation>Roues enregistrées</translation>
    </message>
    <message>
        <source>Name of the wheel</source>
        <translation>Nom de la roue</translation>
    </message>
    <message>
        <source>Cases by the best result of one grid</source>
        <translation>Nombre de cas selon le meilleur résultat d&apos;une grille</translation>
    </message>
    <message>
        <source>Pages of the wheels window</source>
        <translation>Pages de la fenêtre des roues</translation>
    </message>
    <message>
        <source>No wheel yet: build one, import a file or open one from the library.</source>
        <translation>Pas encore de roue : construisez-en une, importez un fichier ou ouvrez-en une de la bibliothèque.</translation>
    </message>
    <message>
        <source>Working out what the wheel gives…</source>
        <translation>Calcul de ce que donne la roue…</translation>
    </message>
    <message>
        <source>Cases</source>
        <translation>Cas</translation>
    </message>
    <message>
        <source>2 or fewer</source>
        <translation>2 ou moins</translation>
    </message>
    <message>
        <source>%1 drawn</source>
        <translation>%1 tirés</translation>
    </message>
    <message>
        <source>Import a wheel</source>
        <translation>Importer une roue</translation>
    </message>
    <message>
        <source>Wheels (*.txt);;All files (*)</source>
        <translation>Roues (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Le fichier %1 ne peut pas être lu.</translation>
    </message>
    <message numerus="yes">
        <source>Imported: %n grid(s).</source>
        <translation>
            <numerusform>Importée : %n grille.</numerusform>
            <numerusform>Importée : %n grilles.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no wheel to check: build one, import a file or open one from the library.</source>
        <translation>Il n&apos;y a pas de roue à vérifier : construisez-en une, importez un fichier ou ouvrez-en une de la bibliothèque.</translation>
    </message>
    <message>
        <source>The guarantee needs t at most m, and m at most the wheel&apos;s %1 numbers.</source>
        <translation>La garantie demande t au plus égal à m, et m au plus égal aux %1 numéros de la roue.</translation>
    </message>
    <message>
        <source>There is no wheel to repair: build one, import a file or open one from the library.</source>
        <translation>Il n&apos;y a pas de roue à réparer : construisez-en une, importez un fichier ou ouvrez-en une de la bibliothèque.</translation>
    </message>
    <message>
        <source>Repairing…</source>
        <translation>Réparation…</translation>
    </message>
    <message>
        <source>A wheel named %1 is already in the library. Replace it?</source>
        <translation>Une roue nommée %1 est déjà dans la bibliothèque. La remplacer ?</translation>
    </message>
    <message>
        <source>Choose the wheel to rename in the list, then type its new name.</source>
        <translation>Choisissez dans la liste la roue à renommer, puis tapez son nouveau nom.</translation>
    </message>
    <message>
        <source>Delete the wheel %1 from the library?</source>
        <translation>Supprimer la roue %1 de la bibliothèque ?</translation>
    </message>
    <message>
        <source>There is no wheel to save.</source>
        <translation>Il n&apos;y a pas de roue à enregistrer.</translation>
    </message>
    <message>
        <source>Save the wheel</source>
        <translation>Enregistrer la roue</translation>
    </message>
    <message>
        <source>The wheel could not be saved in %1: %2</source>
        <translation>La roue n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>There is no wheel to play: build one, import a file or open one from the library.</source>
        <translation>Il n&apos;y a pas de roue à jouer : construisez-en une, importez un fichier ou ouvrez-en une de la bibliothèque.</translation>
    </message>
    <message>
        <source>This wheel is played on %1 numbers: tick exactly %1 numbers in the main window (%2 ticked now).</source>
        <translation>Cette roue se joue sur %1 numéros : cochez exactement %1 numéros dans la fenêtre principale (%2 cochés maintenant).</translation>
    </message>
    <message>
        <source>Lower bound: %1 grids.</source>
        <translation>Borne inférieure : %1 grilles.</translation>
    </message>
    <message>
        <source>Best known: %1 grids.</source>
        <translation>Meilleure connue : %1 grilles.</translation>
    </message>
    <message>
        <source>something other than a file is in the way.</source>
        <translation>autre chose qu&apos;un fichier occupe la place.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>the folder is read-only.</source>
        <translation>le dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>the folder does not exist.</source>
        <translation>le dossier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>the disk is full.</source>
        <translation>le disque est plein.</translation>
    </message>
    <message>
        <source>the system refused.</source>
        <translation>le système a refusé.</translation>
    </message>
    <message>
        <source>A wheel needs t at most m, and m at most the %1 numbers.</source>
        <translation>Une roue demande t au plus égal à m, et m au plus égal aux %1 numéros.</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: %1 sets of %2 numbers among %3 to keep track of. %4</source>
        <translation>Hors de portée de cet ordinateur : %1 ensembles de %2 numéros parmi %3 à suivre. %4</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: each step of the search for %1 if %2 among %3 would take too long. %4</source>
        <translation>Hors de portée de cet ordinateur : chaque pas de la recherche de %1 si %2 parmi %3 prendrait trop de temps. %4</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Repairing for %1.</source>
        <translation>Réparation depuis %1.</translation>
    </message>
    <message>
        <source>Building for %1.</source>
        <translation>Construction depuis %1.</translation>
    </message>
    <message numerus="yes">
        <source>Best so far: %n grid(s).</source>
        <translation>
            <numerusform>Meilleure jusqu&apos;ici : %n grille.</numerusform>
            <numerusform>Meilleure jusqu&apos;ici : %n grilles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Looking for a first wheel.</source>
        <translation>Recherche d&apos;une première roue.</translation>
    </message>
    <message numerus="yes">
        <source>Repaired: %n grid(s) added, checked in every case.</source>
        <translation>
            <numerusform>Réparée : %n grille ajoutée, vérifiée dans tous les cas.</numerusform>
            <numerusform>Réparée : %n grilles ajoutées, vérifiée dans tous les cas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wheel found: %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Roue trouvée : %n grille, vérifiée dans tous les cas.</numerusform>
            <numerusform>Roue trouvée : %n grilles, vérifiée dans tous les cas.</numerusform>
        </translation>
    </message>
    <message>
        <source>No smaller wheel exists.</source>
        <translation>Il n&apos;existe pas de roue plus petite.</translation>
    </message>
    <message>
        <source>Stopped before a first wheel was found.</source>
        <translation>Arrêtée avant de trouver une première roue.</translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the repair found so far adds %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Arrêtée : la réparation trouvée jusqu&apos;ici ajoute %n grille, vérifiée dans tous les cas.</numerusform>
            <numerusform>Arrêtée : la réparation trouvée jusqu&apos;ici ajoute %n grilles, vérifiée dans tous les cas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Stopped: the best wheel found has %n grid(s), checked in every case.</source>
        <translation>
            <numerusform>Arrêtée : la meilleure roue trouvée a %n grille, vérifiée dans tous les cas.</numerusform>
            <numerusform>Arrêtée : la meilleure roue trouvée a %n grilles, vérifiée dans tous les cas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The time ran out before a first wheel was found: give it more time.</source>
        <translation>Le temps s&apos;est écoulé avant de trouver une première roue : accordez-lui plus de temps.</translation>
    </message>
    <message numerus="yes">
        <source>%1 numbers, %2 if %3, %n grid(s)</source>
        <translation>
            <numerusform>%1 numéros, %2 si %3, %n grille</numerusform>
            <numerusform>%1 numéros, %2 si %3, %n grilles</numerusform>
        </translation>
    </message>
    <message>
        <source>Promise: %1 numbers in one grid if %2 of the drawn numbers are among your %3,</source>
        <translation>Promesse : %1 numéros dans une grille si %2 des numéros tirés sont parmi vos %3,</translation>
    </message>
    <message>
        <source>kept in every case (%1 cases).</source>
        <translation>tenue dans tous les cas (%1 cas).</translation>
    </message>
    <message>
        <source>kept except in %1 cases out of %2, where the best grid holds only %3.</source>
        <translation>tenue sauf dans %1 cas sur %2, où la meilleure grille n&apos;en contient que %3.</translation>
    </message>
    <message>
        <source>The file holds no grid.</source>
        <translation>Le fichier ne contient aucune grille.</translation>
    </message>
    <message>
        <source>The file is too large for a wheel (at most 4 MB and 100,000 grids).</source>
        <translation>Le fichier est trop grand pour une roue (au plus 4 Mo et 100 000 grilles).</translation>
    </message>
    <message>
        <source>This is not a text file.</source>
        <translation>Ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>A field is not a whole number.</source>
        <translation>Un champ n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>A grid needs exactly six numbers.</source>
        <translation>Une grille doit avoir exactement six numéros.</translation>
    </message>
    <message>
        <source>A number is outside 1 to 49, or above the N of the header.</source>
        <translation>Un numéro est hors de 1 à 49, ou au-dessus du N de l&apos;en-tête.</translation>
    </message>
    <message>
        <source>The same number is twice in one grid.</source>
        <translation>Le même numéro est deux fois dans une grille.</translation>
    </message>
    <message>
        <source>The header line is malformed or disagrees with the grids.</source>
        <translation>La ligne d&apos;en-tête est mal formée ou ne correspond pas aux grilles.</translation>
    </message>
    <message>
        <source>The file uses fewer than 7 different numbers.</source>
        <translation>Le fichier utilise moins de 7 numéros différents.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The check of %1 if %2 could not be made.</source>
        <translation>La vérification de %1 si %2 n&apos;a pas pu être faite.</translation>
    </message>
    <message>
        <source>%1 if %2 is kept in every case (%3 sets of %2 numbers).</source>
        <translation>%1 si %2 est tenue dans tous les cas (%3 ensembles de %2 numéros).</translation>
    </message>
    <message>
        <source>%1 if %2 is not kept: %3 holes out of %4 sets of %2 numbers. The first ones:</source>
        <translation>%1 si %2 n&apos;est pas tenue : %3 trous sur %4 ensembles de %2 numéros. Les premiers :</translation>
    </message>
    <message>
        <source>%1 (unreadable)</source>
        <translation>%1 (illisible)</translation>
    </message>
    <message>
        <source>%1 (%2 numbers, %3 if %4, %5 grids)</source>
        <translation>%1 (%2 numéros, %3 si %4, %5 grilles)</translation>
    </message>
    <message>
        <source>This name cannot be used: 1 to 80 characters, no / or \, no dot first and no blank at either end.</source>
        <translation>Ce nom ne peut pas servir : 1 à 80 caractères, sans / ni \, sans point au début ni blanc aux extrémités.</translation>
    </message>
    <message>
        <source>A wheel of that name is already in the library.</source>
        <translation>Une roue de ce nom est déjà dans la bibliothèque.</translation>
    </message>
    <message>
        <source>There is no wheel of that name in the library.</source>
        <translation>Il n&apos;y a pas de roue de ce nom dans la bibliothèque.</translation>
    </message>
    <message>
        <source>The saved wheel cannot be read. %1</source>
        <translation>La roue enregistrée ne peut pas être lue. %1</translation>
    </message>
    <message>
        <source>The library could not be changed: %1</source>
        <translation>La bibliothèque n&apos;a pas pu être modifiée : %1</translation>
    </message>
    <message>
        <source>List th&amp;e grids</source>
        <translation>&amp;Lister les grilles</translation>
    </message>
    <message>
        <source>en_US</source>
        <comment>locale</comment>
        <extracomment>The locale the figures are written in (thousands separator, decimal point): fr_FR or en_US.</extracomment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>Beyond reach on this computer: the wheel would need too many grids. %1</source>
        <translation>Hors de portée de cet ordinateur : la roue demanderait trop de grilles. %1</translation>
    </message>
    <message>
        <source>Cases by the best result of one grid, for 3 to 6 drawn numbers:</source>
        <translation>Nombre de cas selon le meilleur résultat d&apos;une grille, pour 3 à 6 numéros tirés :</translation>
    </message>
    <message>
        <source>%1 numbers</source>
        <translation>%1 numéros</translation>
    </message>
    <message>
        <source>B&amp;uild the wheel</source>
        <translation>Constr&amp;uire la roue</translation>
    </message>
    <message>
        <source>The check of %1 if %2 was stopped.</source>
        <translation>La vérification de %1 si %2 a été arrêtée.</translation>
    </message>
    <message>
        <source>Checking %1 if %2…</source>
        <translation>Vérification de %1 si %2…</translation>
    </message>
</context>
<context>
    <name>vormigral::TPageTirages</name>
    <message>
        <source>Add a draw</source>
        <translation>Ajouter un tirage</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date :</translation>
    </message>
    <message>
        <source>&amp;Bonus</source>
        <translation>&amp;Comp.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>De&amp;lete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>Delete the chosen draws</source>
        <translation>Supprimer les tirages choisis</translation>
    </message>
    <message>
        <source>&amp;Import a file…</source>
        <translation>&amp;Importer un fichier…</translation>
    </message>
    <message>
        <source>List of the stored draws</source>
        <translation>Liste des tirages enregistrés</translation>
    </message>
    <message>
        <source>Date of the draw to add</source>
        <translation>Date du tirage à ajouter</translation>
    </message>
    <message>
        <source>Number %1 of the draw to add</source>
        <translation>Numéro %1 du tirage à ajouter</translation>
    </message>
    <message>
        <source>Bonus number of the draw to add</source>
        <translation>Complémentaire du tirage à ajouter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Storing the draws… %1 of %2</source>
        <translation>Enregistrement des tirages… %1 sur %2</translation>
    </message>
</context>
<context>
    <name>vormigral::TPageVerification</name>
    <message>
        <source>A&amp;ll draws</source>
        <translation>T&amp;ous les tirages</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>a&amp;u</translation>
    </message>
    <message>
        <source>Check &amp;my grids</source>
        <translation>Vérifier &amp;mes grilles</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>Start of the period</source>
        <translation>Début de la période</translation>
    </message>
    <message>
        <source>End of the period</source>
        <translation>Fin de la période</translation>
    </message>
    <message>
        <source>Result per draw</source>
        <translation>Résultat par tirage</translation>
    </message>
</context>
<context>
    <name>vormigral::TTailleAffichage</name>
    <message>
        <source>Display size</source>
        <translation>Taille d&apos;affichage</translation>
    </message>
    <message>
        <source>Size of the windows</source>
        <translation>Taille des fenêtres</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>a display size</comment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>The new size shows at the next start of the program.</source>
        <translation>La nouvelle taille s&apos;applique au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The display size cannot be kept in %1: %2.</source>
        <translation>La taille d&apos;affichage ne peut pas être gardée dans %1 : %2.</translation>
    </message>
    <message>
        <source>Problem !!</source>
        <translation>Problème !!</translation>
    </message>
    <message>
        <source>The display size cannot be kept: %1.</source>
        <translation>La taille d&apos;affichage ne peut pas être gardée : %1.</translation>
    </message>
</context>
<context>
    <name>vormigral::TVerificationArgent</name>
    <message>
        <source>en_IE</source>
        <extracomment>The locale whose way of writing amounts in euros the money check follows.</extracomment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>Cost: %1 — Winnings: %2 — Net result: %3</source>
        <translation>Coût : %1 — Gains : %2 — Résultat net : %3</translation>
    </message>
    <message numerus="yes">
        <source>%n winning grid(s) without a known payout, not counted.</source>
        <translation>
            <numerusform>%n grille gagnante sans rapport connu, non comptée.</numerusform>
            <numerusform>%n grilles gagnantes sans rapport connu, non comptées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n draw(s) without any stored payout.</source>
        <translation>
            <numerusform>%n tirage sans aucun rapport enregistré.</numerusform>
            <numerusform>%n tirages sans aucun rapport enregistré.</numerusform>
        </translation>
    </message>
    <message>
        <source>3 numbers</source>
        <translation>3 numéros</translation>
    </message>
    <message>
        <source>3 + Bonus</source>
        <translation>3 + Comp.</translation>
    </message>
    <message>
        <source>4 numbers</source>
        <translation>4 numéros</translation>
    </message>
    <message>
        <source>4 + Bonus</source>
        <translation>4 + Comp.</translation>
    </message>
    <message>
        <source>5 numbers</source>
        <translation>5 numéros</translation>
    </message>
    <message>
        <source>5 + Bonus</source>
        <translation>5 + Comp.</translation>
    </message>
    <message>
        <source>6 numbers</source>
        <translation>6 numéros</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>No draw checked.</source>
        <translation>Aucun tirage vérifié.</translation>
    </message>
    <message numerus="yes">
        <source>Cumulative net result over %n draw(s), from %1 to %2: lowest %3 on %4, highest %5 on %6, at the end %7.</source>
        <translation>
            <numerusform>Résultat net cumulé sur %n tirage, du %1 au %2 : au plus bas %3 le %4, au plus haut %5 le %6, à la fin %7.</numerusform>
            <numerusform>Résultat net cumulé sur %n tirages, du %1 au %2 : au plus bas %3 le %4, au plus haut %5 le %6, à la fin %7.</numerusform>
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
