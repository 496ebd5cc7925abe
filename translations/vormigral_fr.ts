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
        <translation>LISTE DES BULLETINS</translation>
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
