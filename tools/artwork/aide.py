#!/usr/bin/env python3
"""Generate resources/aide/vormigral.html, the bilingual help.

The prose lives here; the two tables of methods are built from methodes.py so
that they cannot drift from the program's own list. The help viewer is a
QTextBrowser, so the page keeps to plain HTML 4 with a small inline style.
"""
import os
import sys

from methodes import EXCEPTIONS, METHODES, ORDRE_LISTE, libang, libfr

STYLE = """
body { font-family: sans-serif; color: #1a1a1a; }
h1 { color: #1b3585; }
h2 { color: #1b3585; margin-top: 24px; }
h3 { color: #b01e2a; margin-top: 18px; }
td, th { padding: 2px 6px; }
th { background-color: #dfe6f5; }
.retour { font-size: small; }
.cap { font-weight: bold; color: #1b3585; }
.msg { font-style: italic; }
"""


def cap(text):
    """A caption of the program, as written on screen."""
    return f'<span class="cap">{text}</span>'


def msg(text):
    """A message the program shows."""
    return f'<span class="msg">« {text} »</span>'


def msg_en(text):
    return f'<span class="msg">“{text}”</span>'


def table(lib, header, guarantee, footnote, intro, colon):
    rows = ['<table border="1" cellspacing="0" cellpadding="2" width="100%">',
            '<tr>' + "".join(f'<th width="{w}">{t}</th>' for t, w in zip(header, ("58%", "14%", "12%", "16%")))
            + '</tr>']
    notes = []
    for i, m in enumerate(ORDRE_LISTE):
        x, y, n, g = METHODES[m]
        star = ""
        if m in EXCEPTIONS:
            star = " *"
            k, total = EXCEPTIONS[m]
            notes.append(f"<li>{lib(m)}{colon} {footnote(k, total, x - 1)}</li>")
        bg = ' bgcolor="#f4f6fb"' if i % 2 else ""
        rows.append(f'<tr{bg}><td>{lib(m)}</td><td align="center">{n}</td><td align="center">{g}</td>'
                    f'<td align="center">{guarantee(x, y)}{star}</td></tr>')
    rows.append('</table>')
    rows.append(f'<p>* {intro}</p><ul>' + "\n".join(notes) + '</ul>')
    return "\n".join(rows)


def table_fr():
    return table(libfr, ("Méthode, telle qu'elle figure dans la liste", "À cocher", "Grilles", "Garantie"),
                 lambda x, y: f"{x} si {y}",
                 lambda k, total, less: f"au plus {k} des {total} cas possibles "
                                        f"{'ne donne' if k == 1 else 'ne donnent'} que {less}.",
                 "Exceptions. Un cas est une des façons dont Y numéros gagnants peuvent se trouver parmi vos "
                 "N numéros cochés&nbsp;; dans les cas indiqués, la meilleure grille contient un numéro de "
                 "moins que la garantie&nbsp;:",
                 "&nbsp;:")


def table_en():
    return table(libang, ("Method, as shown in the list", "To tick", "Grids", "Guarantee"),
                 lambda x, y: f"{x} if {y}",
                 lambda k, total, less: f"at most {k} of the {total} possible cases "
                                        f"{'gives' if k == 1 else 'give'} only {less}.",
                 "Exceptions. A case is one of the ways in which Y winning numbers can lie among your N ticked "
                 "numbers; in the cases stated, the best grid holds one number fewer than the guarantee:",
                 ":")


def back_fr():
    return '<p class="retour"><a href="#fr">Sommaire de l\'aide en français</a> · <a href="#contents">Accueil</a></p>'


def back_en():
    return '<p class="retour"><a href="#en">English contents</a> · <a href="#contents">Home</a></p>'


SECTIONS_FR = [
    ("fr-presentation", "Ce que fait VORMIGRAL"),
    ("fr-cocher", "Cocher les numéros"),
    ("fr-methode", "Choisir une méthode et comprendre sa garantie"),
    ("fr-methodes", "Les 50 méthodes"),
    ("fr-analyse", "Ce que donne vraiment une méthode"),
    ("fr-voir", "Voir les grilles une à une"),
    ("fr-liste", "La liste des grilles et son impression"),
    ("fr-bulletins", "Imprimer les grilles sur les bulletins"),
    ("fr-imprimante", "Imprimante, aperçu et feuille de calage"),
    ("fr-comparer", "Comparer avec un tirage"),
    ("fr-historique", "L'historique des tirages"),
    ("fr-roues", "Mes roues : vos propres systèmes"),
    ("fr-fichiers", "Enregistrer et charger les numéros cochés"),
    ("fr-parametres", "Paramètres : décalages de l'imprimante et langue"),
    ("fr-langue", "Le choix de la langue au premier lancement"),
    ("fr-quitter", "Quitter"),
    ("fr-clavier", "Le clavier et les lecteurs d'écran"),
]

SECTIONS_EN = [
    ("en-overview", "What VORMIGRAL does"),
    ("en-ticking", "Ticking numbers"),
    ("en-method", "Choosing a method and understanding its guarantee"),
    ("en-methods", "The 50 methods"),
    ("en-analysis", "What a method really gives"),
    ("en-viewing", "Viewing the grids one by one"),
    ("en-list", "The grid list and printing it"),
    ("en-slips", "Printing the grids on play slips"),
    ("en-printer", "Printer, preview and calibration sheet"),
    ("en-compare", "Comparing with a draw"),
    ("en-history", "The draw history"),
    ("en-wheels", "My wheels: systems of your own"),
    ("en-files", "Saving and loading the ticked numbers"),
    ("en-parameters", "Parameters: printer offsets and language"),
    ("en-language", "Choosing the language at first start"),
    ("en-quit", "Quitting"),
    ("en-keyboard", "The keyboard and screen readers"),
]


def toc(sections):
    return "<ol>\n" + "\n".join(f'<li><a href="#{a}">{t}</a></li>' for a, t in sections) + "\n</ol>"


def section(anchor, title):
    return f'<h3 id="{anchor}"><a name="{anchor}"></a>{title}</h3>'


def title_of(sections, anchor):
    return dict(sections)[anchor]


def francais():
    s = SECTIONS_FR
    h = lambda a: section(a, title_of(s, a))  # noqa: E731
    return f"""
<hr>
<h2 id="fr"><a name="fr"></a>Aide en français</h2>
{toc(s)}

{h("fr-presentation")}
<p>VORMIGRAL aide les joueurs des lotos « 6 numéros sur 49 » avec numéro complémentaire à jouer
plus de numéros qu'une seule grille n'en contient, sans jouer toutes les combinaisons. Vous cochez
vos numéros sur l'image du bulletin, vous choisissez une méthode (un « système réduit »), et le
programme répartit vos numéros en grilles de six numéros.</p>
<p>Vous pouvez ensuite&nbsp;:</p>
<ul>
<li>regarder les grilles une à une ({cap("Voir les grilles")})&nbsp;;</li>
<li>en afficher et en imprimer la liste ({cap("Voir la liste des grilles")})&nbsp;;</li>
<li>les imprimer directement sur vos bulletins de jeu ({cap("Imprimer les grilles")})&nbsp;;</li>
<li>les comparer avec un tirage ({cap("Comparer avec les résultats")})&nbsp;;</li>
<li>garder les tirages réellement sortis et vérifier vos grilles sur tous à la fois
({cap("Historique des tirages")}, menu {cap("Utilisation")})&nbsp;;</li>
<li>enregistrer vos numéros cochés dans un fichier et les recharger plus tard (menu {cap("Fichiers")}).</li>
</ul>
<p>Les grilles ne sont jamais stockées&nbsp;: elles sont recalculées chaque fois à partir de vos
numéros cochés et de la méthode choisie, et donnent toujours le même résultat pour les mêmes numéros.</p>
<p>Les deux petits boutons aux extrémités de la bannière ouvrent, à gauche ({cap("i")}), la fenêtre
d'informations qui indique la version du programme, et à droite ({cap("?")}), cette aide. Le menu
{cap("Aide")} offre les mêmes commandes&nbsp;: {cap("Aide en ligne")} et {cap("Infos")}.</p>
{back_fr()}

{h("fr-cocher")}
<p>La fenêtre principale montre la grille des 49 numéros, disposée comme sur un bulletin&nbsp;: cinq
colonnes (1 à 9, 10 à 19, 20 à 29, 30 à 39, 40 à 49) de dix lignes.</p>
<ul>
<li>Cliquez sur un numéro pour le cocher&nbsp;: sa case prend un cadre bleu foncé, épais en haut et
en bas, et se teinte de bleu&nbsp;; le numéro reste lisible. Cliquez de nouveau pour le décocher. On
peut aussi cocher au clavier (voir <a href="#fr-clavier">Le clavier et les lecteurs d'écran</a>).</li>
<li>Le cadre {cap("Cases cochées")} indique combien de numéros sont cochés.</li>
<li>{cap("Effacer la grille")} décoche tous les numéros.</li>
<li>{cap("Numéros aléatoires")} efface la grille puis coche au hasard exactement autant de numéros
que la méthode choisie en demande. Chaque clic donne un nouveau tirage.</li>
</ul>
<p>Vous pouvez cocher autant de numéros que vous voulez, mais les commandes qui travaillent sur les
grilles ({cap("Voir les grilles")}, {cap("Voir la liste des grilles")}, {cap("Imprimer les grilles")},
{cap("Comparer avec les résultats")} et les mêmes commandes du menu {cap("Utilisation")}) ne
s'ouvrent que si le nombre de numéros cochés est <b>exactement</b> celui que demande la méthode
choisie. Sinon le message {msg("Sélection incorrecte")} apparaît&nbsp;: cochez ou décochez des
numéros jusqu'au bon compte, ou choisissez une autre méthode.</p>
{back_fr()}

{h("fr-methode")}
<p>La liste {cap("Choix de la méthode")} propose 50 méthodes. Chacune est décrite par une phrase
comme&nbsp;:</p>
<p align="center"><b>3 numéros si 3 numéros parmi les 11 en 11 grilles</b></p>
<p>Elle se lit ainsi&nbsp;: <i>vous cochez 11 numéros&nbsp;; la méthode en tire 11 grilles&nbsp;; si 3
des 6 numéros gagnants font partie de vos 11 numéros, alors au moins une des 11 grilles contient ces 3
numéros</i>. C'est la garantie de la méthode.</p>
<p>De façon générale, « <b>X</b> numéros si <b>Y</b> numéros parmi les <b>N</b> en <b>G</b>
grilles » signifie&nbsp;: vous cochez <b>N</b> numéros, la méthode produit <b>G</b> grilles, et dès
que <b>Y</b> des six numéros tirés (ou plus) sont parmi vos <b>N</b> numéros, au moins une grille en
contient au moins <b>X</b>.</p>
<ul>
<li>La garantie est un minimum&nbsp;: le tirage peut très bien donner mieux.</li>
<li>Elle ne promet rien si moins de <b>Y</b> numéros gagnants sont parmi vos numéros cochés.</li>
<li>Elle porte sur les six numéros principaux&nbsp;; le numéro complémentaire n'y entre pas.</li>
<li>Elle vaut quels que soient les numéros que vous avez cochés&nbsp;: la méthode travaille sur leurs
rangs (le plus petit, le deuxième, …), pas sur leurs valeurs.</li>
<li>Chaque grille se joue comme une grille ordinaire&nbsp;: plus une méthode a de grilles, plus elle
coûte à jouer. À nombre de numéros égal, une garantie plus forte demande davantage de grilles.</li>
</ul>
<p>Les méthodes marquées d'un astérisque (*) dans le tableau ci-dessous tiennent leur garantie pour
presque toutes les combinaisons&nbsp;: dans quelques cas rares, dont le nombre maximal est indiqué
sous le tableau, la meilleure grille contient un numéro de moins que promis.</p>
<p>La liste est rangée par ordre alphabétique de ses textes, dans le même ordre en français et en
anglais. Lorsque vous changez de langue, la liste est reconstruite et revient à sa première méthode
(« 3 numéros si 3 numéros parmi les 07 en 4 grilles »)&nbsp;: choisissez alors de nouveau la vôtre.</p>
{back_fr()}

{h("fr-methodes")}
<p>Les méthodes dans l'ordre de la liste. « Garantie » se lit «&nbsp;X si Y&nbsp;»&nbsp;: au moins X
bons numéros dans une grille si Y des numéros tirés sont parmi vos numéros cochés.</p>
{table_fr()}
{back_fr()}

{h("fr-analyse")}
<p>{cap("Utilisation")} › {cap("Analyse de la méthode")} (raccourci Ctrl+M) ouvre la fenêtre
{cap("Analyse de la méthode")} pour la méthode choisie dans la liste. Il n'est pas nécessaire d'avoir coché
des numéros&nbsp;: tout est calculé exactement à partir des grilles de la méthode, sur les rangs de vos
numéros.</p>
<ul>
<li>La <b>promesse</b> de la méthode, avec {cap("tenue dans tous les cas")} ou
{cap("tenue sauf dans n cas")}, et ce que donne alors la meilleure grille.</li>
<li>Le tableau {cap("Nombre de cas")}&nbsp;: pour 3, 4, 5 et 6 numéros tirés parmi vos N, combien des cas
possibles donnent une meilleure grille à 6, 5, 4, 3 numéros, ou 2 et moins, avec leur part en pourcentage.
Le graphique montre les mêmes parts en barres&nbsp;; une part qui n'est pas nulle y garde toujours
une largeur visible, si petite soit-elle, et le pointeur posé dessus en affiche la valeur.</li>
<li>Le tableau {cap("Chances par tirage")}, pour un vrai tirage de 6 numéros sur 49&nbsp;: la chance
qu'exactement 3, 4, 5 ou 6 des numéros tirés soient parmi les vôtres, et celle d'avoir au moins 3, 4, 5 ou 6
bons numéros dans une même grille, en pourcentage et en «&nbsp;1 sur&nbsp;…&nbsp;». Le nombre de grilles
jouées rappelle ce que cela coûte.</li>
</ul>
<p>Les flèches parcourent les cases d'un tableau, Tab passe au suivant, Échap ou {cap("Fermer")} ferme la
fenêtre. Si aucune méthode n'est choisie, la fenêtre le dit.</p>
{back_fr()}

{h("fr-voir")}
<p>{cap("Voir les grilles")} (ou le menu {cap("Utilisation")} › {cap("Voir les bulletins")}) ouvre la
fenêtre {cap("Bulletins à cocher")}. Elle montre l'image du bulletin avec les six numéros de la grille
en cours marqués comme des numéros cochés, le texte de la méthode dans le cadre {cap("Methode Sélectionnée")}, et
le compteur {cap("Bulletin")} qui indique le numéro de la grille et, après la barre oblique, le
nombre total de grilles.</p>
<ul>
<li>{cap("&gt;")} passe à la grille suivante, {cap("&lt;")} revient à la précédente. Le défilement
s'arrête à la première et à la dernière grille.</li>
<li>{cap("Retour")} ferme la fenêtre. À chaque ouverture, l'affichage repart de la grille 1.</li>
</ul>
{back_fr()}

{h("fr-liste")}
<p>{cap("Voir la liste des grilles")} (ou {cap("Utilisation")} › {cap("Voir la liste des bulletins")})
ouvre la fenêtre {cap("Liste des bulletins à cocher")}, qui montre toutes les grilles, une par ligne,
par exemple&nbsp;:</p>
<pre>Bull.: 001 :-03-08-19-27-33-45</pre>
<p>c'est-à-dire la grille numéro 1, composée des numéros 3, 8, 19, 27, 33 et 45.</p>
<ul>
<li>{cap("Imprimer la liste des bulletins")} imprime cette liste sur papier ordinaire, sur
l'imprimante choisie (voir <a href="#fr-imprimante">Imprimante, aperçu et feuille de calage</a>)&nbsp;: un titre, puis une ligne par grille (son numéro et ses six numéros),
sur autant de pages qu'il faut.</li>
<li>{cap("Imprimer les bulletins")} ouvre l'impression sur les bulletins de jeu (voir la section
suivante).</li>
<li>{cap("Retour")} ferme la fenêtre.</li>
</ul>
{back_fr()}

{h("fr-bulletins")}
<p>VORMIGRAL peut imprimer vos grilles directement sur les bulletins de jeu pré-imprimés&nbsp;: une
croix « X » est imprimée dans la case de chaque numéro de chaque grille. Rien d'autre n'est imprimé.
Ouvrez la fenêtre {cap("Imprimer les bulletins")} par le bouton {cap("Imprimer les grilles")}, par le
menu {cap("Utilisation")} › {cap("Imprimer les grilles")}, ou par le bouton
{cap("Imprimer les bulletins")} de la liste des grilles.</p>
<ul>
<li><b>{cap("TYPE DE BULLETIN")}</b>&nbsp;: deux types de bulletins sont prévus,
{cap("LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES")} (8 grilles par bulletin) et
{cap("LOTTO QUEBEC 6/49 6 grilles")} (6 grilles par bulletin).</li>
<li><b>{cap("Grilles à imprimer")}</b>&nbsp;: {cap("Première")} et {cap("Dernière")} donnent les numéros
de la première et de la dernière grille à imprimer. À l'ouverture, elles valent 1 et le nombre de
grilles de la méthode. Les grilles remplissent les bulletins dans l'ordre&nbsp;: la première grille
demandée va dans la première grille du premier bulletin, et ainsi de suite. Ces cases n'acceptent que
des chiffres (quatre au plus)&nbsp;; la touche Retour arrière n'y agit pas&nbsp;: pour corriger,
sélectionnez le texte et retapez-le, ou utilisez la touche Suppr. Si la première est 0 ou vide, si la
dernière dépasse le nombre de grilles ou si elle est plus petite que la première, le message
{msg("Numéros des grilles à imprimer incorrect")} apparaît et rien n'est imprimé.</li>
<li><b>{cap("Type d impression")}</b>&nbsp;: {cap("Imprimer tous les bulletins à la fois")} imprime
tout d'un trait (pour une imprimante qui prend plusieurs bulletins)&nbsp;;
{cap("Imprimer un bulletin à la fois")} s'arrête avant chaque nouveau bulletin et demande
{msg("Insérez le prochain bulletin et appuyer sur OK")}&nbsp;: placez le bulletin suivant puis
cliquez sur OK, ou sur Annuler pour arrêter (les bulletins déjà imprimés restent valables). Ce choix
est conservé jusqu'à la fin de la séance.</li>
<li>{cap("Imprimer")} lance l'impression sur l'imprimante indiquée sous les boutons&nbsp;;
{cap("Annuler")} ferme la fenêtre sans rien imprimer. {cap("Aperçu")} montre les bulletins avant de
les imprimer et {cap("Imprimante")} change d'imprimante (voir la section suivante).</li>
</ul>
<p><b>Sans imprimante.</b> Si aucune imprimante n'est installée, VORMIGRAL le dit et propose
d'enregistrer les mêmes pages dans un fichier PDF de votre choix, disposées exactement comme à
l'impression&nbsp;; il indique ensuite où le fichier a été écrit. Un bulletin à la fois, le fichier
reçoit tous les bulletins sans demander d'insérer le suivant. Si l'imprimante refuse le travail
ou s'arrête en cours de route, un message en donne la raison et la fenêtre d'impression reste
ouverte&nbsp;: un travail interrompu n'est pas envoyé comme s'il était complet.</p>
<p><b>Réglage de l'imprimante.</b> Chaque imprimante entraîne le papier un peu différemment. Faites
d'abord un essai sur une feuille ordinaire (la feuille de calage de la section suivante est faite
pour cela) et posez-la sur un bulletin, à contre-jour, pour voir si les croix tombent dans les cases. Si elles sont décalées, corrigez les décalages dans
{cap("Options")} › {cap("Paramètres")}, en millimètres&nbsp;:</p>
<ul>
<li>{cap("Décalage horizontal")}&nbsp;: une valeur positive déplace toutes les croix vers la
<b>droite</b>, une valeur négative vers la <b>gauche</b>&nbsp;;</li>
<li>{cap("Décalage vertical")}&nbsp;: une valeur positive déplace toutes les croix vers le
<b>bas</b>, une valeur négative vers le <b>haut</b>.</li>
</ul>
<p>Par exemple, si les croix tombent 2&nbsp;mm trop à gauche et 1&nbsp;mm trop bas, augmentez le
décalage horizontal de 2 et diminuez le décalage vertical de 1.</p>
{back_fr()}

{h("fr-imprimante")}
<p><b>L'imprimante.</b> VORMIGRAL imprime sur l'imprimante par défaut du système, ou sur celle que
vous choisissez par {cap("Options")} › {cap("Imprimante…")} ou par le bouton {cap("Imprimante")} de la
fenêtre d'impression. Ce choix est gardé pour vous, sur cet ordinateur (hors du fichier de
réglages)&nbsp;; l'entrée {cap("Imprimante par défaut du système")} revient à celle du système. La
fenêtre d'impression indique sous ses boutons l'imprimante qui servira. Si aucune imprimante par
défaut n'est réglée, ou si celle que vous aviez choisie n'existe plus, VORMIGRAL vous demande laquelle
utiliser au moment d'imprimer plutôt que d'en prendre une au hasard.</p>
<p><b>La réponse de l'imprimante.</b> Chaque travail est remis au système d'impression (CUPS), qui est
ensuite interrogé quelques secondes. Un travail accepté est annoncé sur la ligne d'état de la fenêtre
principale (et, pour la liste, au bas de sa fenêtre), par exemple
{msg("L'imprimante « PDF » a accepté 2 pages (travail 17).")} Quand l'imprimante refuse les travaux,
est arrêtée, ou que le travail est suspendu ou interrompu, un message le dit avec la raison donnée par
CUPS, par exemple {msg("L'impression a échoué : L'imprimante « Bureau » a refusé le travail : "
"Destination &quot;Bureau&quot; is not accepting jobs. (Bac vide)")}&nbsp;; la fenêtre reste ouverte, rien
n'est annoncé comme imprimé et aucun travail n'est laissé en attente qui pourrait sortir plus tard. Un
bulletin à la fois, chaque bulletin est un travail&nbsp;: un échec en cours de route dit aussi ce qui
était déjà parti.</p>
<p><b>Un système d'impression qui ne répond pas.</b> VORMIGRAL n'attend jamais le système d'impression
en restant figé&nbsp;: la fenêtre d'impression s'ouvre tout de suite et indique l'imprimante dès que
le système a répondu. Quand l'attente dure, une petite fenêtre dit ce qui est attendu
({msg("Recherche des imprimantes…")} ou {msg("Envoi à l'imprimante…")}) avec un bouton
{cap("Annuler")}. Un système d'impression absent ou muet est signalé en le nommant, par exemple
{msg("L'impression n'est pas possible : le service d'impression (/run/cups/cups.sock) ne répond "
"pas.")}, et jamais pris pour une absence d'imprimante.</p>
<p><b>L'aperçu.</b> Le bouton {cap("Aperçu")} de la fenêtre d'impression montre, bulletin par
bulletin, chaque croix là où l'impression la mettra, décalages compris, sur le dessin du bulletin en
rouge&nbsp;; la zone que l'imprimante peut imprimer est en pointillés. Dans la liste des grilles,
{cap("Aperçu de la liste")} en montre les pages. {cap("Précédent")}, {cap("Suivant")},
{cap("Agrandir")} et {cap("Réduire")} parcourent l'aperçu, Échap le ferme&nbsp;; rien n'est
imprimé.</p>
<p><b>Hors de la zone imprimable.</b> Si les décalages poussent des croix hors de la zone que
l'imprimante sait imprimer (celle qu'elle déclare elle-même&nbsp;: une imprimante qui imprime jusqu'au
bord de la feuille ne perd rien), VORMIGRAL dit combien avant d'imprimer et vous laisse arrêter.</p>
<p><b>La feuille de calage.</b> {cap("Options")} › {cap("Feuille de calage…")} imprime sur papier
ordinaire un cadre à la place de chaque croix du type de bulletin choisi, avec les décalages actuels,
et deux échelles en millimètres, au-dessus de la case 10 et à droite de la case 40 de la dernière
grille. Posez la feuille sur un bulletin, bords du haut et de gauche ensemble, à contre-jour. Sur
l'échelle du haut, lisez où tombe le milieu de la case du bulletin et ajoutez ce nombre au décalage
horizontal&nbsp;; sur l'échelle de droite, faites de même pour le décalage vertical. Imprimez une
nouvelle feuille pour vérifier&nbsp;: chaque cadre doit tomber au milieu de sa case. La feuille
elle-même rappelle la marche à suivre, dans la langue du programme.</p>
{back_fr()}

{h("fr-comparer")}
<p>Après un tirage, {cap("Comparer avec les résultats")} (ou {cap("Utilisation")} ›
{cap("Comparer avec les resultats")}) ouvre la fenêtre {cap("Analyser Résultats")}.</p>
<ol>
<li>Sous {cap("BULLETIN GAGNANT")}, choisissez les six numéros tirés dans les listes {cap("1")} à
{cap("6")} et le numéro complémentaire dans la liste {cap("C")}. À l'ouverture toutes les listes
montrent 1&nbsp;: réglez-les toutes. Un même numéro ne peut figurer qu'une fois, complémentaire
compris&nbsp;; sinon le message {msg("Un même numéro ne peut pas être selectionné plusieurs fois")}
apparaît.</li>
<li>Cliquez sur {cap("Afficher résultats")}.</li>
</ol>
<p>La liste montre alors chaque grille avec ses numéros et le nombre de bons numéros, par
exemple&nbsp;:</p>
<pre>B.:012 :-03-08-19-27-33-45 -&gt;3 + Complémentaire.</pre>
<p>c'est-à-dire que la grille 12 contient 3 des numéros tirés et le numéro complémentaire.</p>
<p>Le cadre {cap("Nombre de bons résultats")} compte les grilles par rang de gain&nbsp;:
{cap("6 numéros")}, {cap("5 + Comp.")} (5 numéros et le complémentaire), {cap("5 numéros")},
{cap("4+Comp.")}, {cap("4 numeros")}, {cap("3 + Comp.")} et {cap("3 numéros")}. Chaque grille n'est
comptée qu'une fois, dans son meilleur rang&nbsp;; une grille de moins de 3 bons numéros n'est pas
comptée. Les sommes gagnées dépendent de la loterie et du tirage&nbsp;: le programme ne les calcule
pas. {cap("Retour")} ferme la fenêtre.</p>
{back_fr()}

{h("fr-historique")}
<p>{cap("Utilisation")} › {cap("Historique des tirages")} (raccourci Ctrl+H) ouvre la fenêtre
{cap("Historique des tirages")}. Elle garde sur votre ordinateur les tirages réellement sortis et
compare vos grilles avec tous à la fois.</p>
<p><b>{cap("Tirages enregistrés")}</b>&nbsp;: la liste des tirages, le plus récent en haut (date, six
numéros, complémentaire).</p>
<ul>
<li><b>Ajouter un tirage</b>&nbsp;: choisissez la date, les six numéros et le complémentaire, puis
{cap("Ajouter")}. Un numéro non choisi s'affiche «&nbsp;–&nbsp;». Le tirage est refusé, avec la raison,
si un numéro manque, si un numéro figure deux fois, si le complémentaire est un des six numéros, si
la date est après aujourd'hui ou si le tirage est déjà enregistré.</li>
<li><b>Supprimer</b>&nbsp;: sélectionnez un ou plusieurs tirages (Maj ou Ctrl + clic), puis
{cap("Supprimer…")} ou la touche Suppr&nbsp;; le programme demande confirmation.</li>
<li><b>Importer un fichier</b>&nbsp;: {cap("Importer un fichier…")} lit un fichier de résultats comme
les loteries en publient (voir ci-dessous). Avant d'enregistrer quoi que ce soit, une fenêtre indique
combien de tirages seront ajoutés, combien sont déjà enregistrés (même date et mêmes numéros&nbsp;:
ignorés, jamais en double), comment les dates sont lues, avec les premières dates telles qu'elles
sont comprises (05/03/2022 = 5 mars 2022), et chaque ligne rejetée avec son numéro et sa raison (les
1&nbsp;000 premières&nbsp;; les autres sont comptées).
{cap("Enregistrer les … tirages")} enregistre le reste en une seule fois&nbsp;; {cap("Annuler")} ne
change rien. Un long enregistrement montre où il en est
({msg("Enregistrement des tirages… 10000 sur 300000")})&nbsp;; son bouton {cap("Annuler")} l'arrête sans rien enregistrer. À la fin, le programme dit
combien de tirages ont été ajoutés et combien étaient déjà enregistrés (ignorés).</li>
</ul>
<p><b>Fichiers acceptés.</b> Un tirage par ligne, les champs séparés par «&nbsp;;&nbsp;», «&nbsp;,&nbsp;»
ou une tabulation. Si la première ligne contient des lettres, c'est une ligne d'en-tête&nbsp;: les
colonnes sont reconnues par leur nom, sans tenir compte des majuscules ni des accents (la date, par
exemple {cap("date_de_tirage")}&nbsp;; les boules {cap("boule_1")} à {cap("boule_6")}, {cap("Numéro 1")},
{cap("N1")}…&nbsp;; le complémentaire, par exemple {cap("boule_complementaire")}), les autres colonnes
sont ignorées. Sans en-tête, chaque ligne donne la date, les six numéros puis le complémentaire. Les
dates s'écrivent JJ/MM/AAAA, AAAA-MM-JJ ou AAAAMMJJ. <b>Années à deux chiffres</b>&nbsp;: de 00 à 69
elles désignent 2000 à 2069, de 70 à 99 elles désignent 1970 à 1999 (16/03/24 est le 16 mars 2024).
Les dates sont lues jour avant mois, sauf quand nettement plus de dates sans ambiguïté se lisent mois
avant jour (03/25/2024) que jour avant mois (25/03/2024), et au moins trois&nbsp;: une seule faute de
frappe ne retourne donc pas tout le fichier. Une date qui n'existe que dans l'autre ordre est une
ligne rejetée, comme une date après aujourd'hui ou une année avant 1900. Un fichier qui n'est pas du texte, trop grand
ou qui n'a aucune ligne valable est refusé avec la raison, sans rien changer.</p>
<p><b>{cap("Colonnes du fichier")}.</b> Quand le programme ne reconnaît pas l'en-tête d'un fichier (celui
d'une autre loterie, par exemple), il vous demande quelle colonne contient la date, chacune des six
boules et le complémentaire&nbsp;: une liste des colonnes du fichier pour chacune, et les premières
lignes telles qu'elles sont lues avec votre choix. {cap("OK")} n'est possible que quand chaque champ a
sa propre colonne. Ce choix est retenu pour les fichiers ayant le même en-tête&nbsp;: le suivant est lu
sans rien demander. Pour le changer, cliquez sur {cap("Colonnes…")} dans la fenêtre d'aperçu.</p>
<p><b>Rapports.</b> Les fichiers de la Française des Jeux donnent pour chaque tirage le rapport de
chaque rang&nbsp;; ils sont enregistrés avec les tirages. Après une vérification, {cap("Bilan financier…")}
montre, pour chaque tirage et sur la période, ce que vos grilles ont coûté, ce qu'elles auraient
rapporté et le {cap("Résultat net")}, avec une courbe du résultat net cumulé (décrite en mots pour les
lecteurs d'écran). Réglez {cap("Prix d'une grille pour un tirage")} (0,30&nbsp;€ tant que vous ne
l'avez pas changé)&nbsp;: il est gardé pour vous, hors du fichier de paramètres. Une grille gagnante
dont le rang n'a pas de rapport connu n'est pas comptée comme un gain nul&nbsp;: le bilan dit combien
de grilles restent ainsi non comptées.</p>
<p><b>{cap("Vérification des grilles")}</b>&nbsp;: choisissez {cap("Tous les tirages")} ou une période
({cap("Du")} … {cap("au")} …), puis {cap("Vérifier mes grilles")}. Comme les autres commandes, elle
demande une méthode choisie et exactement le bon nombre de numéros cochés (sinon
{msg("Sélection incorrecte")}). Chaque grille de la méthode est comparée avec chaque tirage. Le tableau
donne pour chaque tirage le meilleur rang atteint par une grille, le nombre de grilles de chaque rang
({cap("6")}, {cap("5+C")}, {cap("5")}, {cap("4+C")}, {cap("4")}, {cap("3+C")}, {cap("3")}), combien
des numéros tirés étaient parmi vos numéros cochés ({cap("Trouvés")}) et la
{cap("Promesse")}&nbsp;: {cap("sans objet")} quand moins de Y numéros tirés étaient parmi les vôtres,
sinon {cap("tenue")} ou {cap("manquée")} selon qu'une grille contient au moins X de ces numéros. Sous
le tableau, les totaux de la période. Cliquez sur un titre de colonne pour trier&nbsp;;
{cap("Exporter en CSV…")} enregistre le tableau dans l'ordre affiché, pour un tableur.</p>
<p><b>Où sont les tirages.</b> Dans le fichier <code>historique.sqlite</code> du dossier de données de
l'utilisateur (<code>~/.local/share/VORMIGRAL/</code>), créé à la première ouverture de la fenêtre.
S'il est endommagé, le programme le dit, le garde sous le nom
<code>historique.sqlite.endommagee-…</code> et en crée un neuf&nbsp;: il n'est jamais écrasé. Si le
fichier ou son dossier ne peut pas être modifié, le programme le dit à l'ouverture&nbsp;: les tirages
restent affichés et vérifiables, mais {cap("Ajouter")}, {cap("Supprimer…")} et
{cap("Importer un fichier…")} sont désactivés. Deux copies du programme peuvent partager l'historique&nbsp;:
chacune relit le fichier avant chaque aperçu et chaque vérification, et ignore les tirages que l'autre a
déjà enregistrés. Si l'autre copie l'occupe plus de 5 secondes, rien n'est enregistré et le programme
le dit&nbsp;: réessayez un peu plus tard.</p>
{h("fr-roues")}
<p>{cap("Utilisation")} › {cap("Mes roues…")} (raccourci Ctrl+R) ouvre la fenêtre {cap("Mes roues")}, où
vous faites vos propres systèmes (« roues ») pour n'importe quel nombre N de numéros de 7 à 49 et
n'importe quelle garantie « t si m » (2&nbsp;≤&nbsp;t&nbsp;≤&nbsp;m&nbsp;≤&nbsp;6)&nbsp;: dès que m des
numéros tirés sont parmi vos N, une grille en contient au moins t. La fenêtre reste ouverte pendant que
vous cochez des numéros dans la fenêtre principale.</p>
<ul>
<li><b>{cap("Construire")}</b>&nbsp;: donnez N, t, m et le temps accordé (10 secondes par défaut), puis
{cap("Construire la roue")}. La recherche tourne sur tous les cœurs sans bloquer la fenêtre&nbsp;; elle montre
le temps écoulé, la meilleure taille trouvée, la borne inférieure (aucune roue ne peut être plus petite)
et la meilleure taille connue quand le programme la connaît. {cap("Arrêter")} garde la meilleure roue
trouvée. Chaque roue est vérifiée sur tous les cas avant d'être montrée. Une demande hors de portée
de cet ordinateur (par exemple 5 si 5 parmi 40, qui demande plus de 100&nbsp;000 grilles) est refusée
tout de suite, avec la raison et les bornes.</li>
<li><b>{cap("Vérifier et réparer")}</b>&nbsp;: {cap("Importer un fichier…")} lit une roue dans un
fichier texte, une grille par ligne, six numéros séparés par des espaces, des virgules, des
points-virgules ou des tabulations. Les numéros sont des positions 1 à N, ou vos propres numéros, qui
deviennent les positions 1, 2, … dans l'ordre croissant. Un fichier incorrect est refusé avec la ligne
fautive. {cap("Vérifier")} compte les « trous » (les ensembles de m numéros qu'aucune grille ne touche
en t) et montre les premiers, dans les numéros du fichier&nbsp;; {cap("Réparer")} ajoute aussi peu de
grilles que la recherche en trouve pour les boucher.</li>
<li><b>{cap("Bibliothèque")}</b>&nbsp;: vos roues enregistrées, dans le dossier
<code>~/.local/share/VORMIGRAL/roues/</code>. Tapez un nom puis {cap("Enregistrer dans la bibliothèque")}&nbsp;; choisissez une roue dans la liste pour l'{cap("Ouvrir")}, la
{cap("Renommer avec ce nom")} ou la {cap("Supprimer")} (après confirmation). {cap("Enregistrer dans un fichier…")} écrit la roue au même format texte, précédée d'une ligne
<code># VORMIGRAL wheel N=13 t=3 m=3 size=21</code>.</li>
</ul>
<p>Le cadre {cap("Roue en cours")} montre ce que la roue donne vraiment, le même tableau que
l'analyse d'une méthode (pour 3 à 6 numéros tirés parmi vos N, combien de cas donnent une meilleure
grille de 6, 5, 4, 3, 2 numéros ou moins), et dit si la promesse est tenue dans tous les cas. Pour
<b>jouer</b> la roue, cochez exactement N numéros dans la fenêtre principale, puis {cap("Voir les grilles")}, {cap("Lister les grilles")}, {cap("Imprimer les grilles")} ou {cap("Vérifier sur l'historique")}&nbsp;: ce sont les fenêtres des méthodes, la position p de la roue prenant le p-ième
plus petit de vos numéros. La méthode choisie dans la liste reprend sa place dès que ces fenêtres se
ferment.</p>
{back_fr()}

{h("fr-fichiers")}
<p>Le menu {cap("Fichiers")} permet de garder vos numéros pour plus tard. Un fichier de grille
contient vos numéros cochés et la méthode choisie dans la liste (pas les grilles, qui sont
recalculées).</p>
<ul>
<li>{cap("Enregistrer bulletin")}&nbsp;: choisissez le volume (le disque) et le dossier, tapez le nom du fichier
à la place de l'étoile «&nbsp;*&nbsp;», puis cliquez sur {cap("Ok")}. Le nom est pris tel quel,
sans extension ajoutée. Si le fichier existe déjà, la question {msg("Continuer quand même ?")} vous
permet de le remplacer ou non.</li>
<li>{cap("Charger bulletin")}&nbsp;: choisissez le dossier, cliquez sur le fichier dans la liste,
puis sur {cap("Ok")} (ou double-cliquez sur le fichier). Les numéros enregistrés remplacent les numéros cochés et la méthode enregistrée
est sélectionnée de nouveau.</li>
<li>{cap("Exporter les grilles…")}&nbsp;: écrit les grilles de la méthode choisie, développées sur vos
numéros cochés, dans un fichier CSV que les tableurs ouvrent (une ligne par grille, après deux lignes
qui nomment la méthode et vos numéros). Comme pour voir ou imprimer les grilles, il faut avoir coché
autant de numéros que la méthode en demande, sinon le programme répond {msg("Sélection incorrecte")}.</li>
<li>{cap("Annule")} ferme la fenêtre sans rien faire.</li>
</ul>
<p>Messages possibles&nbsp;: {msg("Fichier inexistant")} (aucun fichier de ce nom, par exemple si vous
avez cliqué sur {cap("Ok")} sans choisir de fichier), {msg("Erreur à la lecture du fichier")},
{msg("Ce n'est pas un fichier grille")} (le fichier n'a pas été créé par VORMIGRAL), et à
l'enregistrement {msg("Il y a eu un problème")} (dossier protégé, nom non valable&nbsp;: le fichier
n'a pas été enregistré).</p>
<p>Cas particuliers&nbsp;:</p>
<ul>
<li>Un nom qui commence par un point («&nbsp;.ma grille&nbsp;») désigne un fichier caché, que la liste
ne montre pas et qu'on ne pourrait donc pas recharger&nbsp;: rien n'est enregistré, et un message le dit.</li>
<li>L'étoile «&nbsp;*&nbsp;» et le point d'interrogation «&nbsp;?&nbsp;» ne sont pas acceptés dans un nom
tapé. Un fichier de la liste dont le nom en contient se charge, ou se remplace, quand vous le
choisissez dans la liste.</li>
<li>Un nom de fichier ou de dossier venu d'un système qui n'écrit pas les noms en UTF-8 s'affiche dans
le jeu de caractères de votre système quand c'est possible, sinon avec un code «&nbsp;%E9&nbsp;» à la place
de chaque caractère illisible&nbsp;; le fichier se charge comme les autres.</li>
<li>Un lien symbolique est suivi&nbsp;: l'enregistrement écrit le fichier vers lequel il pointe, et le
crée s'il n'existe pas encore. Un fichier qui porte plusieurs noms (liens physiques) est réécrit sur
place&nbsp;: tous ses noms montrent les nouveaux numéros.</li>
<li>Un fichier protégé en écriture n'est jamais remplacé. Le nouveau contenu est d'abord écrit en
entier dans un fichier caché «&nbsp;.vormigral.XXXXXX&nbsp;» du même dossier&nbsp;: si le disque est plein,
l'ancien fichier reste intact. Un tel fichier laissé par un enregistrement interrompu (panne, arrêt
brutal) est effacé au prochain enregistrement dans ce dossier.</li>
</ul>
{back_fr()}

{h("fr-parametres")}
<p>{cap("Options")} › {cap("Paramètres")} ouvre la fenêtre {cap("Paramètres")}&nbsp;:</p>
<ul>
<li>Cadre {cap("Imprimante")}&nbsp;: {cap("Décalage horizontal")} et {cap("Décalage vertical")}, en
millimètres entiers, déplacent toutes les croix imprimées sur les bulletins (voir
<a href="#fr-bulletins">Imprimer les grilles sur les bulletins</a> pour le sens). Ces cases
acceptent les chiffres et les signes «&nbsp;-&nbsp;» et «&nbsp;+&nbsp;», cinq caractères au plus&nbsp;;
pour corriger, sélectionnez le texte et retapez-le, ou utilisez la touche Suppr (Retour arrière n'agit
pas). Une case vide vaut 0.</li>
<li>Cadre {cap("Langue")}&nbsp;: cliquez sur {cap("Français")} ou {cap("English")}, ou sur le
drapeau correspondant.</li>
<li>{cap("OK")} applique les réglages. Fermer la fenêtre par sa case de fermeture ne change rien.</li>
</ul>
<p>Un changement de langue s'applique aussitôt à la fenêtre principale (dont la liste des méthodes
revient à sa première méthode&nbsp;; vos numéros cochés sont conservés), et aux autres fenêtres à leur
prochaine ouverture. Les réglages ne sont enregistrés que lorsque vous quittez par
{cap("Quitter")} (voir <a href="#fr-quitter">Quitter</a>).</p>
<p><b>Taille d'affichage.</b> {cap("Options")} › {cap("Taille d'affichage…")} agrandit toutes les
fenêtres du programme d'un bloc, à 100, 125, 150 ou 200&nbsp;%, sans changer leur disposition&nbsp;; les
images restent nettes. Choisissez la taille avec les flèches ou la souris, puis {cap("OK")}&nbsp;: elle
s'applique au prochain démarrage du programme. Elle est gardée pour vous seul dans
<span class="cap">~/.config/VORMIGRAL/affichage</span>, jamais dans VORMIG.PAR&nbsp;; un fichier illisible
ou une valeur inconnue ramènent à 100&nbsp;%.</p>
{back_fr()}

{h("fr-langue")}
<p>Au tout premier lancement, la fenêtre {cap("Langue - Language")} demande la langue&nbsp;:
cliquez sur {cap("Français")} ou {cap("English")} (ou sur un drapeau), puis sur {cap("OK")}. Si vous la
fermez sans choisir, le programme reste en français. Vous pourrez changer de langue à tout moment dans
les paramètres.</p>
<p>Ce choix est enregistré lorsque vous quittez par {cap("Quitter")}. Si vous fermez la fenêtre
principale autrement, la question sera posée de nouveau au prochain lancement.</p>
{back_fr()}

{h("fr-quitter")}
<p>Quittez par le bouton {cap("Quitter")} ou par le menu {cap("Fichiers")} › {cap("Quitter")}&nbsp;:
la langue et les décalages de l'imprimante sont alors enregistrés dans le fichier de réglages
VORMIG.PAR, à côté du programme, et repris au lancement suivant. Si le dossier du programme ne peut
pas le recevoir, ils sont enregistrés dans votre dossier personnel
(<span class="cap">~/.config/VORMIGRAL/VORMIG.PAR</span>), où le lancement suivant les retrouve.</p>
<p>Si vous fermez la fenêtre principale par sa case de fermeture (la croix de la barre de titre), le
programme se termine <b>sans</b> enregistrer les réglages de la séance.</p>
<p>Dans les deux cas, les numéros cochés ne sont pas gardés&nbsp;: enregistrez-les d'abord par
{cap("Fichiers")} › {cap("Enregistrer bulletin")} si vous voulez les retrouver.</p>
<p>Un fichier VORMIG.PAR qui ne peut pas être lu, ou qui n'est pas un fichier, n'est jamais
remplacé&nbsp;: le programme le dit une fois, au lancement, et enregistre les réglages à l'endroit
suivant. Un fichier plus court ou plus long qu'un fichier de réglages est lu sans message pour ce
qu'il en contient (les réglages qui y manquent gardent leur valeur), puis remplacé en quittant par
un fichier de réglages complet. Si les réglages ne peuvent être enregistrés nulle part, le programme dit où il a essayé
et pourquoi&nbsp;: au lancement quand il le sait déjà (la langue sera alors demandée de nouveau au
lancement suivant), sinon en quittant, après un bip. Ces messages sont dans la langue du programme.</p>
{back_fr()}

{h("fr-clavier")}
<p>Tout se fait aussi sans souris.</p>
<ul>
<li><b>Tab</b> et <b>Maj+Tab</b> passent d'une commande à la suivante ou à la précédente. La grille
des 49 numéros ne compte que pour un arrêt, juste avant la liste {cap("Choix de la méthode")}.</li>
<li>Dans la grille, une case encadrée montre où vous êtes. Les flèches <b>haut</b> et <b>bas</b>
passent au numéro précédent ou suivant (de 9 à 10, de 19 à 20…), les flèches <b>gauche</b> et
<b>droite</b> à la colonne voisine (de 12 à 2 ou à 22), <b>Début</b> va au 1, <b>Fin</b> au 49.
<b>Espace</b> ou <b>Entrée</b> coche ou décoche le numéro.</li>
<li>Dans la liste des méthodes, les flèches changent de méthode&nbsp;; <b>Alt+flèche bas</b> ouvre
la liste.</li>
<li><b>Entrée</b> (ou <b>Espace</b>) actionne le bouton qui a le focus. Dans les autres fenêtres,
<b>Entrée</b> actionne le bouton par défaut et <b>Échap</b> ferme la fenêtre sans rien changer.</li>
<li><b>Alt</b> et la lettre soulignée ouvrent un menu&nbsp;: <b>Alt+F</b> {cap("Fichiers")},
<b>Alt+U</b> {cap("Utilisation")}, <b>Alt+O</b> {cap("Options")}, <b>Alt+A</b> {cap("Aide")}&nbsp;;
la lettre soulignée d'une commande la choisit ensuite.</li>
<li>Raccourcis&nbsp;: <b>F1</b> cette aide, <b>Ctrl+O</b> {cap("Charger bulletin")}, <b>Ctrl+S</b>
{cap("Enregistrer bulletin")}, <b>Ctrl+P</b> {cap("Imprimer les grilles")}, <b>Ctrl+Q</b>
{cap("Quitter")} (les réglages sont enregistrés, comme avec le bouton).</li>
<li>Dans la fenêtre d'aide, <b>Échap</b> ou <b>Ctrl+W</b> la ferme.</li>
<li>Dans les cases de chiffres (décalages, grilles à imprimer), <b>Suppr</b> efface le caractère à
droite du curseur&nbsp;; Retour arrière n'y agit pas.</li>
</ul>
<p>Les lecteurs d'écran (Orca, par exemple) annoncent chaque commande par son nom, dans la langue du
programme. Chaque case de la grille est une case à cocher nommée par son numéro, annoncée cochée ou
non&nbsp;; dans {cap("Bulletins à cocher")}, la grille affichée se lit comme une phrase, par exemple
«&nbsp;Grille 3 : 4, 11, 19, 27, 33, 45&nbsp;». Les boîtes de dialogue de Qt (choix d'un fichier PDF,
boutons standard) parlent aussi la langue du programme.</p>
{back_fr()}
"""


def english():
    s = SECTIONS_EN
    h = lambda a: section(a, title_of(s, a))  # noqa: E731
    return f"""
<hr>
<h2 id="en"><a name="en"></a>Help in English</h2>
{toc(s)}

{h("en-overview")}
<p>VORMIGRAL helps players of “6 out of 49” lotteries with a complementary (bonus) number to play more
numbers than a single grid holds, without playing every combination. You tick your numbers on the
picture of the play slip, choose a method (a “reduced system”), and the program spreads your numbers
over grids of six numbers.</p>
<p>You can then:</p>
<ul>
<li>look at the grids one by one ({cap("View the grids")});</li>
<li>list them and print the list ({cap("View the list of the grids")});</li>
<li>print them straight onto your play slips ({cap("Print the grids")});</li>
<li>compare them with a draw ({cap("Compare with the results")});</li>
<li>keep the draws that really happened and check your grids against all of them at once
({cap("Draw history")}, menu {cap("Utilize")});</li>
<li>save your ticked numbers to a file and load them later (menu {cap("Files")}).</li>
</ul>
<p>Grids are never stored: they are worked out afresh from your ticked numbers and the chosen method
each time, and always come out the same for the same numbers.</p>
<p>The two small buttons at the ends of the banner open, on the left ({cap("i")}), the information
box that shows the program's version, and on the right ({cap("?")}), this help. The {cap("Help")} menu
has the same commands: {cap("Help")} and {cap("Infos")}.</p>
{back_en()}

{h("en-ticking")}
<p>The main window shows the block of 49 numbers laid out as on a play slip: five columns (1 to 9,
10 to 19, 20 to 29, 30 to 39, 40 to 49) of ten rows.</p>
<ul>
<li>Click a number to tick it: its box takes a dark blue frame, broad above and below, and a blue
tint; the number stays readable. Click again to untick it. Ticking also works from the keyboard (see
<a href="#en-keyboard">The keyboard and screen readers</a>).</li>
<li>The {cap("numbers selected")} frame shows how many numbers are ticked.</li>
<li>{cap("Clear the bill")} unticks every number.</li>
<li>{cap("Random numbers")} clears the block, then ticks at random exactly as many numbers as the
chosen method needs. Each click gives a new set.</li>
</ul>
<p>You may tick as many numbers as you like, but the commands that work on grids
({cap("View the grids")}, {cap("View the list of the grids")}, {cap("Print the grids")},
{cap("Compare with the results")} and the same commands in the {cap("Utilize")} menu) open only when
the count of ticked numbers is <b>exactly</b> what the chosen method needs. Otherwise the message
{msg_en("Incorrect Selection")} appears: tick or untick numbers until the count is right, or choose
another method.</p>
{back_en()}

{h("en-method")}
<p>The {cap("Choose the method")} list offers 50 methods. Each one is described by a sentence such
as:</p>
<p align="center"><b>3 numbers if 3 numbers in the 11 in 11 grids</b></p>
<p>It reads: <i>you tick 11 numbers; the method makes 11 grids of them; if 3 of the 6 winning numbers
are among your 11 numbers, then at least one of the 11 grids holds those 3 numbers</i>. That is the
method's guarantee.</p>
<p>In general, “<b>X</b> numbers if <b>Y</b> numbers in the <b>N</b> in <b>G</b> grids” means: you
tick <b>N</b> numbers, the method makes <b>G</b> grids, and whenever <b>Y</b> (or more) of the six drawn
numbers are among your <b>N</b> numbers, at least one grid holds at least <b>X</b> of them.</p>
<ul>
<li>The guarantee is a minimum: the draw may well do better.</li>
<li>It promises nothing when fewer than <b>Y</b> winning numbers are among your ticked numbers.</li>
<li>It is about the six main numbers; the complementary number plays no part in it.</li>
<li>It holds whichever numbers you ticked: the method works on their ranks (the smallest, the second
smallest, …), not on their values.</li>
<li>Each grid is played like an ordinary grid: the more grids a method has, the more it costs to play.
For the same count of numbers, a stronger guarantee needs more grids.</li>
</ul>
<p>The methods marked with an asterisk (*) in the table below keep their guarantee for nearly every
combination: in a few rare cases, whose greatest number is given below the table, the best grid holds
one number fewer than promised.</p>
<p>The list is sorted by its texts, in the same order in French and in English. When you change the
language the list is rebuilt and goes back to its first method (“3 numbers if 3 numbers in the 07 in
4 grids”): choose yours again.</p>
{back_en()}

{h("en-methods")}
<p>The methods in the order of the list. “Guarantee” reads “X if Y”: at least X good numbers in one
grid if Y of the drawn numbers are among your ticked numbers. (One method's text ends in “grilles”
instead of “grids”; it is the same kind of method as the others.)</p>
{table_en()}
{back_en()}

{h("en-analysis")}
<p>{cap("Utilize")} › {cap("Method analysis")} (shortcut Ctrl+M) opens the {cap("Method analysis")}
window for the method selected in the list. You need not tick any numbers: everything is worked out exactly
from the method's grids, on the ranks of your numbers.</p>
<ul>
<li>The method's <b>promise</b>, with {cap("kept in every case")} or {cap("kept except in n cases")},
and what the best grid then holds.</li>
<li>The {cap("Number of cases")} table: for 3, 4, 5 and 6 drawn numbers among your N, how many of the
possible cases give a best grid holding 6, 5, 4, 3, or 2 and fewer of them, with their share as a
percentage. The chart shows the same shares as bars; a share that is not nil always keeps a visible
width there, however small, and the pointer held over it shows its value.</li>
<li>The {cap("Odds per draw")} table, for a real draw of 6 numbers out of 49: the chance that exactly 3, 4,
5 or 6 of the drawn numbers are among yours, and the chance of holding at least 3, 4, 5 or 6 in one grid,
as a percentage and as “1 in …”. The number of grids played is a reminder of what this costs.</li>
</ul>
<p>The arrow keys move through a table's cells, Tab moves to the next control, Escape or {cap("Close")}
closes the window. When no method is selected, the window says so.</p>
{back_en()}

{h("en-viewing")}
<p>{cap("View the grids")} (or the menu {cap("Utilize")} › {cap("View the grids")}) opens the
{cap("Grids")} window. It shows the slip picture with the six numbers of the current grid marked as ticked ones,
the method's text in the {cap("Method selected")} frame, and a counter with the number of the grid and,
after the slash, the total number of grids.</p>
<ul>
<li>{cap("&gt;")} moves to the next grid, {cap("&lt;")} back to the previous one. Stepping stops at the
first and at the last grid.</li>
<li>{cap("Return")} closes the window. Each time it opens, it starts again at grid 1.</li>
</ul>
{back_en()}

{h("en-list")}
<p>{cap("View the list of the grids")} (or {cap("Utilize")} › {cap("View the list of the grids")})
opens the {cap("List of the grids")} window, which shows every grid, one per line, for example:</p>
<pre>Bull.: 001 :-03-08-19-27-33-45</pre>
<p>that is, grid number 1, made of the numbers 3, 8, 19, 27, 33 and 45.</p>
<ul>
<li>{cap("Print the list of grids")} prints this list on plain paper on the chosen printer (see
<a href="#en-printer">Printer, preview and calibration sheet</a>): a title,
then one line per grid (its number and its six numbers), on as many pages as needed.</li>
<li>{cap("Print the grids")} opens printing on play slips (see the next section).</li>
<li>{cap("Return")} closes the window.</li>
</ul>
{back_en()}

{h("en-slips")}
<p>VORMIGRAL can print your grids straight onto the lottery's pre-printed play slips: an “X” is
printed in the box of each number of each grid. Nothing else is printed. Open the {cap("Print")}
window with the {cap("Print the grids")} button, the menu {cap("Utilize")} › {cap("Print the grids")},
or the {cap("Print the grids")} button of the grid list.</p>
<ul>
<li><b>{cap("TICKET TYPE")}</b>: two slip types are built in,
{cap("LOTO FRANCAIS MERCREDI/SAMEDI 8 GRILLES")} (8 grids per slip) and
{cap("LOTTO QUEBEC 6/49 6 grilles")} (6 grids per slip).</li>
<li><b>{cap("Grids to print")}</b>: {cap("First")} and {cap("Last")} give the numbers of the first and
the last grid to print. When the window opens they are 1 and the method's number of grids. The grids
fill the slips in order: the first grid asked for goes into the first grid of the first slip, and so
on. These boxes take digits only (four at most); Backspace does not work in them: to correct, select
the text and type it again, or use the Delete key. If the first is 0 or empty, the last is above the
number of grids, or the last is below the first, the message
{msg_en("Incorrect grid numbers to print")} appears and nothing is printed.</li>
<li><b>{cap("Print Type")}</b>: {cap("Print all the tickets")} prints everything in one go (for a
printer that takes several slips); {cap("Stop after each tickets")} pauses before each new slip and
asks, in French, {msg("Insérez le prochain bulletin et appuyer sur OK")} (“insert the next slip and
press OK”): put the next slip in and click OK, or Cancel to stop (the slips already printed remain
good). This choice is kept until the program ends.</li>
<li>{cap("Print")} starts printing on the printer named under the buttons; {cap("Cancel")} closes the
window without printing. {cap("Preview")} shows the slips before they are printed and {cap("Printer")}
changes the printer (see the next section).</li>
</ul>
<p><b>Without a printer.</b> When no printer is installed, VORMIGRAL says so and offers to save the
same pages to a PDF file of your choice, laid out exactly as they would print; it then tells you
where the file was written. One slip at a time, the file takes every slip without asking for the next
one. If the printer refuses the job or stops part-way, a message gives the reason and the print window
stays open: a broken-off job is not sent as if it were complete.</p>
<p><b>Adjusting for your printer.</b> Every printer feeds paper a little differently. Print a test on
plain paper first (the calibration sheet of the next section is made for this) and hold it against a
slip, up to the light, to see whether the crosses fall in the
boxes. If they are off, correct the offsets in {cap("Options")} › {cap("Parameters")}, in
millimetres:</p>
<ul>
<li>{cap("Horizontal Adjustment")}: a positive value moves every cross to the <b>right</b>, a negative
value to the <b>left</b>;</li>
<li>{cap("Vertical Adjustment")}: a positive value moves every cross <b>down</b>, a negative value
<b>up</b>.</li>
</ul>
<p>For example, if the crosses land 2&nbsp;mm too far left and 1&nbsp;mm too low, add 2 to the
horizontal adjustment and take 1 off the vertical adjustment.</p>
{back_en()}

{h("en-printer")}
<p><b>The printer.</b> VORMIGRAL prints on the system's default printer, or on the one you choose with
{cap("Options")} › {cap("Printer…")} or the {cap("Printer")} button of the print window. The choice is
kept for you on this computer (outside the settings file); the entry
{cap("The system's default printer")} goes back to the system's. The print window shows under its
buttons the printer that will be used. When no default printer is set, or the one you chose no longer
exists, VORMIGRAL asks you which one to use when you print rather than picking one at random.</p>
<p><b>The printer's answer.</b> Every job is handed to the print system (CUPS), which is then asked
about it for a few seconds. An accepted job is announced on the main window's status line (and, for
the list, at the bottom of its window), for example {msg_en("The printer &quot;PDF&quot; accepted 2 pages (job 17).")}
When the printer refuses jobs, is stopped, or the job is held or aborted, a message says so with the
reason CUPS gives, for example {msg_en("Printing failed: The printer &quot;Office&quot; refused the job: "
"Destination &quot;Office&quot; is not accepting jobs. (Paper tray empty)")}; the window stays open, nothing is
announced as printed, and no job is left waiting that could come out later. One slip at a time, each
slip is a job: a failure part-way also says what had already gone.</p>
<p><b>A print system that does not answer.</b> VORMIGRAL never freezes waiting for the print system:
the print window opens at once and shows the printer as soon as the system has answered. When the
wait lasts, a small window says what it waits for ({msg_en("Looking for printers…")} or
{msg_en("Sending to the printer…")}) with a {cap("Cancel")} button. A print system that is missing
or silent is named, for example {msg_en("Printing is not available: the print service "
"(/run/cups/cups.sock) does not answer.")}, and never taken for having no printer.</p>
<p><b>The preview.</b> The {cap("Preview")} button of the print window shows, slip by slip, every
cross where the printing will put it, offsets included, over the drawing of the slip in red; the area
the printer can print is dotted. In the grid list, {cap("Preview the list")} shows its pages.
{cap("Previous")}, {cap("Next")}, {cap("Zoom in")} and {cap("Zoom out")} move around the preview,
Escape closes it; nothing is printed.</p>
<p><b>Outside the printable area.</b> When the offsets push crosses out of the area the printer can
print (the one the printer itself declares: a printer that prints to the sheet's edge loses nothing),
VORMIGRAL says how many before printing and lets you stop.</p>
<p><b>The calibration sheet.</b> {cap("Options")} › {cap("Calibration sheet…")} prints on plain paper
a frame where each cross of the chosen slip type would go, with the current offsets, and two
millimetre scales, above box 10 and to the right of box 40 of the last grid. Lay the sheet on a slip,
top and left edges together, against the light. On the top scale, read where the middle of the slip's
box falls and add that number to the horizontal adjustment; on the right-hand scale, do the same for
the vertical adjustment. Print a new sheet to check: each frame should sit in the middle of its box.
The sheet itself recalls these steps, in the language of the program.</p>
{back_en()}

{h("en-compare")}
<p>After a draw, {cap("Compare with the results")} (or {cap("Utilize")} ›
{cap("Compare with the results")}) opens the {cap("Results Analyst")} window.</p>
<ol>
<li>Under {cap("WINNER")}, choose the six drawn numbers in the lists {cap("1")} to {cap("6")} and the
complementary (bonus) number in the list {cap("C")}. When the window opens every list shows 1: set them
all. A number may appear only once, bonus included; otherwise the message
{msg_en("A number is selected more than one time")} appears.</li>
<li>Click {cap("View Results")}.</li>
</ol>
<p>The list then shows each grid with its numbers and its count of good numbers, for example:</p>
<pre>B.:012 :-03-08-19-27-33-45 -&gt;3 + Complémentaire.</pre>
<p>meaning that grid 12 holds 3 of the drawn numbers and the bonus number (“Complémentaire” is the
French word for the bonus number; the list uses it in both languages).</p>
<p>The {cap("Numbers of good results")} frame counts the grids by prize class: {cap("6 numbers")},
{cap("5 + Bonus")}, {cap("5 numbers")}, {cap("4 + Bonus")}, {cap("4 numbers")}, {cap("3 + Bonus")}
and {cap("3 numbers")}. Each grid is counted once, in its best class; a grid with fewer than 3 good
numbers is not counted. The amounts won depend on the lottery and the draw: the program does not work
them out. {cap("Return")} closes the window.</p>
{back_en()}

{h("en-history")}
<p>{cap("Utilize")} › {cap("Draw history")} (shortcut Ctrl+H) opens the {cap("Draw history")} window.
It keeps the draws that really happened on your computer and checks your grids against all of them at
once.</p>
<p><b>{cap("Stored draws")}</b>: the list of draws, newest first (date, six numbers, bonus number).</p>
<ul>
<li><b>Add a draw</b>: choose the date, the six numbers and the bonus number, then {cap("Add")}. A
number not chosen yet shows as “–”. The draw is refused, with the reason, when a number is missing,
a number appears twice, the bonus number is one of the six, the date is after today, or the draw is
already stored.</li>
<li><b>Delete</b>: select one or more draws (Shift or Ctrl + click), then {cap("Delete…")} or the
Delete key; the program asks for confirmation.</li>
<li><b>Import a file</b>: {cap("Import a file…")} reads a results file as lotteries publish them (see
below). Before anything is stored, a window shows how many draws will be added, how many are already
stored (same date and numbers: skipped, never doubled), how the dates are read, with the first dates
as they are understood (05/03/2022 = 5 March 2022), and every rejected line with its number and
reason (the first 1,000; the others are counted). {cap("Store the … draws")} stores the rest in one go; {cap("Cancel")} changes nothing.
A long storing shows how far it has gone ({msg_en("Storing the draws… 10000 of 300000")}); its
{cap("Cancel")} button stops it with nothing stored. At the end the program says how many draws were
added and how many were already stored (skipped).</li>
</ul>
<p><b>Accepted files.</b> One draw per line, fields separated by “;”, “,” or a tab. When the first
line holds letters it is a header: the columns are found by their names, whatever the case and
accents (the date, e.g. {cap("Draw Date")}; the balls {cap("Ball 1")} to {cap("Ball 6")},
{cap("boule_1")}, {cap("N1")}…; the bonus number, e.g. {cap("Bonus Ball")}), and other columns are
ignored. Without a header each line gives the date, the six numbers, then the bonus number. Dates are
written DD/MM/YYYY, YYYY-MM-DD or YYYYMMDD. <b>Two-digit years</b>: 00 to 69 mean 2000 to 2069, 70 to
99 mean 1970 to 1999 (16/03/24 is 16 March 2024). Dates are read day first, unless clearly more
unambiguous dates read month first (03/25/2024) than day first (25/03/2024), and at least three: a
single typing error never turns a whole file around. A date that exists only in the other order is a
rejected line, as is a date after today or a year before 1900. A file that is not text, too large
or that has no valid line is refused with the reason, and nothing changes.</p>
<p><b>{cap("File columns")}.</b> When the program does not know a file's header (another lottery's,
say), it asks which column holds the date, each of the six balls and the bonus number: a list of the
file's columns for each, and the first lines as they read with your choice. {cap("OK")} is possible
once every field has a column of its own. The choice is remembered for files with the same header: the
next one is read without a question. To change it, click {cap("Columns…")} in the preview window.</p>
<p><b>Payouts.</b> The French lottery's files give each draw the payout of each prize class; they are
stored with the draws. After a check, {cap("Money…")} shows, for each draw and over the period, what
your grids cost, what they would have won and the {cap("Net result")}, with a chart of the cumulative
net result (described in words for screen readers). Set the {cap("Price of one grid for one draw")}
(0.30 € until you change it): it is kept for you, outside the settings file. A winning grid whose
class has no known payout is not counted as winning nothing: the summary says how many grids are left
out that way.</p>
<p><b>{cap("Grid check")}</b>: choose {cap("All draws")} or a period ({cap("From")} … {cap("to")} …),
then {cap("Check my grids")}. Like the other commands it needs a chosen method and exactly the right
count of ticked numbers (else {msg_en("Incorrect Selection")}). Every grid of the method is compared
with every draw. The table gives for each draw the best class one grid reached, the number of grids in
each class ({cap("6")}, {cap("5+B")}, {cap("5")}, {cap("4+B")}, {cap("4")}, {cap("3+B")}, {cap("3")}),
how many drawn numbers were among your ticked numbers ({cap("Found")}) and the {cap("Promise")}:
{cap("not applicable")} when fewer than Y drawn numbers were among yours, else {cap("kept")} or
{cap("missed")} as some grid holds at least X of them or not. Below the table, the totals over the
period. Click a column title to sort; {cap("Export as CSV…")} saves the table in the order shown, for a
spreadsheet.</p>
<p><b>Where the draws live.</b> In the file <code>historique.sqlite</code> of the user's data folder
(<code>~/.local/share/VORMIGRAL/</code>), made the first time the window opens. If it is damaged, the
program says so, keeps it as <code>historique.sqlite.endommagee-…</code> and makes a new one: it is
never overwritten. When the file or its folder cannot be written, the program says so at opening: the
draws are still listed and checked, but {cap("Add")}, {cap("Delete…")} and {cap("Import a file…")} are
disabled. Two copies of the program may share the history: each reads the file afresh before every
preview and every check, and skips the draws the other already stored. When the other copy keeps it
busy for more than 5 seconds, nothing is stored and the program says so: try again a little later.</p>
{h("en-wheels")}
<p>{cap("Utilize")} › {cap("My wheels…")} (shortcut Ctrl+R) opens the {cap("My wheels")} window, where
you make systems (“wheels”) of your own for any count N of numbers from 7 to 49 and any guarantee
“t if m” (2&nbsp;≤&nbsp;t&nbsp;≤&nbsp;m&nbsp;≤&nbsp;6): whenever m of the drawn numbers are among your
N, one grid holds at least t of them. The window stays open while you tick numbers in the main
window.</p>
<ul>
<li><b>{cap("Build")}</b>: give N, t, m and the time budget (10 seconds unless you change it), then
{cap("Build the wheel")}. The search runs on every core without holding the window up; it shows the time spent,
the best size found so far, the lower bound (no wheel can be smaller) and the best known size when the
program knows it. {cap("Stop")} keeps the best wheel found. Every wheel is checked in every case before
it is shown. A request beyond this computer's reach (5 if 5 among 40, say, which needs more than
100,000 grids) is refused at once, with the reason and the bounds.</li>
<li><b>{cap("Check and repair")}</b>: {cap("Import a file…")} reads a wheel from a text file, one grid
per line, six numbers separated by blanks, commas, semicolons or tabs. The numbers are positions 1 to
N, or your own numbers, which become positions 1, 2, … in ascending order. A bad file is refused with
the line at fault. {cap("Check")} counts the “holes” (the sets of m numbers that no grid meets in t)
and lists the first ones, in the file's own numbers; {cap("Repair")} adds as few grids as the search
finds to plug them.</li>
<li><b>{cap("Library")}</b>: your saved wheels, in the folder <code>~/.local/share/VORMIGRAL/roues/</code>.
Type a name, then {cap("Save in the library")}; pick a wheel in the list to {cap("Open")} it,
{cap("Rename to this name")} or {cap("Delete")} it (once you confirm). {cap("Save to a file…")} writes
the wheel in the same text form, after a line <code># VORMIGRAL wheel N=13 t=3 m=3 size=21</code>.</li>
</ul>
<p>The {cap("Current wheel")} frame shows what the wheel really gives, the same table as a method's
analysis (for 3 to 6 drawn numbers among your N, how many cases give a best grid of 6, 5, 4, 3, or 2
numbers and fewer), and whether its promise is kept in every case. To <b>play</b> the wheel, tick
exactly N numbers in the main window, then {cap("View the grids")}, {cap("List the grids")},
{cap("Print the grids")} or {cap("Check against the history")}: these are the methods' own windows,
position p of the wheel taking the p-th smallest of your numbers. The method chosen in the list is
back as soon as those windows close.</p>
{back_en()}

{h("en-files")}
<p>The {cap("Files")} menu keeps your numbers for later. A grid file holds your ticked numbers and the
method chosen in the list (not the grids, which are worked out again).</p>
<ul>
<li>{cap("Save Bill")}: choose the volume (the disk) and the folder, type the file name in place of the star
“*”, then click {cap("Ok")}. The name is used as typed, with no extension added. If the file already
exists, the question {msg("Continuer quand même ?")} (“carry on anyway?”) lets you replace it or
not.</li>
<li>{cap("Load Bill")}: choose the folder, click the file in the list, then {cap("Ok")} (or
double-click the file). The saved
numbers replace the ticked ones and the saved method is selected again.</li>
<li>{cap("Export grids…")} writes the grids of the chosen method, worked out on your ticked numbers,
to a CSV file that spreadsheets open (one line a grid, after two lines naming the method and your
numbers). As for viewing or printing the grids, you must have ticked as many numbers as the method
asks for, or the program answers {msg_en("Incorrect Selection")}.</li>
<li>{cap("Abort")} closes the window without doing anything.</li>
</ul>
<p>The file messages are in French in both languages: {msg("Fichier inexistant")} (no such file, for
instance after clicking {cap("Ok")} without choosing a file), {msg("Erreur à la lecture du fichier")}
(the file could not be read), {msg("Ce n'est pas un fichier grille")} (not a grid file made by
VORMIGRAL), and when saving {msg("Il y a eu un problème")} (protected folder or invalid name: the file
was not saved).</p>
<p>Particular cases:</p>
<ul>
<li>A name that starts with a dot (“.my grid”) makes a hidden file, which the list does not show and
which could therefore never be loaded back: nothing is saved, and a message says so.</li>
<li>The star “*” and the question mark “?” are not accepted in a typed name. A file of the list whose
name holds them loads, or is replaced, when you pick it in the list.</li>
<li>A file or folder name from a system that does not write names in UTF-8 shows in your system's
character set when possible, otherwise with a code such as “%E9” in place of each character that
cannot be read; the file loads like any other.</li>
<li>A symbolic link is followed: saving writes the file it points to, and creates it when it does not
exist yet. A file with several names (hard links) is rewritten in place: all its names show the new
numbers.</li>
<li>A write-protected file is never replaced. The new content is first written in full to a hidden
file “.vormigral.XXXXXX” in the same folder: if the disk is full, the old file stays whole. Such a
file left by an interrupted save (a crash, a power cut) is removed at the next save in that folder.</li>
</ul>
{back_en()}

{h("en-parameters")}
<p>{cap("Options")} › {cap("Parameters")} opens the {cap("Parameters")} window:</p>
<ul>
<li>{cap("Printer")} frame: {cap("Horizontal Adjustment")} and {cap("Vertical Adjustment")}, in whole
millimetres, move every cross printed on the slips (see
<a href="#en-slips">Printing the grids on play slips</a> for the direction). These boxes take digits
and the signs “-” and “+”, five characters at most; to correct, select the text and type it again, or
use the Delete key (Backspace does not work). An empty box counts as 0.</li>
<li>{cap("Language")} frame: click {cap("Français")} or {cap("English")}, or the matching flag.</li>
<li>{cap("OK")} applies the settings. Closing the window with its close box changes nothing.</li>
</ul>
<p>A change of language applies at once to the main window (whose method list goes back to its first
method; your ticked numbers are kept), and to the other windows the next time they open. The settings
are saved only when you quit with {cap("Quit")} (see <a href="#en-quit">Quitting</a>).</p>
<p><b>Display size.</b> {cap("Options")} › {cap("Display size…")} enlarges every window of the
program as a whole, to 100, 125, 150 or 200%, with the same layout; the pictures stay sharp. Choose the
size with the arrow keys or the mouse, then {cap("OK")}: it applies at the next start of the program. It
is kept for you alone in <span class="cap">~/.config/VORMIGRAL/affichage</span>, never in VORMIG.PAR; a
file that cannot be read or an unknown value bring back 100%.</p>
{back_en()}

{h("en-language")}
<p>On the very first start, the {cap("Langue - Language")} window asks for the language: click
{cap("Français")} or {cap("English")} (or a flag), then {cap("OK")}. If you close it without choosing,
the program stays in French. You can change the language at any time in the parameters.</p>
<p>The choice is saved when you quit with {cap("Quit")}. If you close the main window any other way,
the question is asked again at the next start.</p>
{back_en()}

{h("en-quit")}
<p>Quit with the {cap("Quit")} button or the menu {cap("Files")} › {cap("Quit")}: the language and the
printer offsets are then saved in the settings file VORMIG.PAR, beside the program, and used again at
the next start. When the program's folder cannot take it, they are saved in your own folder
(<span class="cap">~/.config/VORMIGRAL/VORMIG.PAR</span>), where the next start finds them.</p>
<p>If you close the main window with its close box (the cross in the title bar), the program ends
<b>without</b> saving the session's settings.</p>
<p>Either way, the ticked numbers are not kept: save them first with {cap("Files")} ›
{cap("Save Bill")} if you want them back.</p>
<p>A VORMIG.PAR that cannot be read, or that is not a file, is never replaced: the program says so
once, at start, and saves the settings in the next place. A file shorter or longer than a settings
file is read without a message for what it holds of one (the settings it lacks keep their values),
then replaced by a whole settings file when you quit. If the settings cannot be
saved anywhere, the program says where it tried and why: at start when it already knows (the
language will then be asked again at the next start), otherwise when you quit, after a beep. These
messages are in the program's language.</p>
{back_en()}

{h("en-keyboard")}
<p>Everything works without a mouse too.</p>
<ul>
<li><b>Tab</b> and <b>Shift+Tab</b> move to the next or previous command. The block of 49 numbers
counts as one stop, just before the {cap("Choose the method")} list.</li>
<li>In the block, a framed box shows where you are. The <b>up</b> and <b>down</b> arrows move to the
previous or next number (from 9 to 10, from 19 to 20…), the <b>left</b> and <b>right</b> arrows to
the next column (from 12 to 2 or to 22), <b>Home</b> goes to 1, <b>End</b> to 49. <b>Space</b> or
<b>Return</b> ticks or unticks the number.</li>
<li>In the method list, the arrows change the method; <b>Alt+Down</b> opens the list.</li>
<li><b>Return</b> (or <b>Space</b>) presses the button that has the focus. In the other windows,
<b>Return</b> presses the default button and <b>Escape</b> closes the window without changing
anything.</li>
<li><b>Alt</b> and the underlined letter open a menu: <b>Alt+F</b> {cap("Files")}, <b>Alt+U</b>
{cap("Utilize")}, <b>Alt+O</b> {cap("Options")}, <b>Alt+H</b> {cap("Help")}; the underlined letter
of a command then chooses it.</li>
<li>Shortcuts: <b>F1</b> this help, <b>Ctrl+O</b> {cap("Load Bill")}, <b>Ctrl+S</b>
{cap("Save Bill")}, <b>Ctrl+P</b> {cap("Print the grids")}, <b>Ctrl+Q</b> {cap("Quit")} (the
settings are saved, as with the button).</li>
<li>In the help window, <b>Escape</b> or <b>Ctrl+W</b> closes it.</li>
<li>In the digit boxes (offsets, grids to print), <b>Delete</b> removes the character right of the
cursor; Backspace does not work there.</li>
</ul>
<p>Screen readers (Orca, for example) announce every command by its name, in the program's language.
Each box of the block is a check box named by its number, announced as checked or not; in the
{cap("Grids")} window, the grid on show reads as a sentence, for example “Grid 3: 4, 11, 19, 27, 33,
45”. Qt's own dialogs (choosing a PDF file, standard buttons) speak the program's language too.</p>
{back_en()}
"""


def build():
    return f"""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html lang="fr">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=utf-8">
<meta charset="utf-8">
<title>VORMIGRAL - Aide / Help</title>
<style type="text/css">{STYLE}</style>
</head>
<body>
<h1 id="contents"><a name="contents"></a>VORMIGRAL</h1>
<p><b>Systèmes réduits pour les lotos 6/49 — Reduced systems for 6/49 lotteries</b></p>
<table border="0" cellspacing="0" cellpadding="8" width="100%">
<tr>
<td valign="top" width="50%">
<p><b><a href="#fr">Aide en français</a></b></p>
{toc(SECTIONS_FR)}
</td>
<td valign="top" width="50%">
<p><b><a href="#en">Help in English</a></b></p>
{toc(SECTIONS_EN)}
</td>
</tr>
</table>
{francais()}
{english()}
</body>
</html>
"""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "aide", "vormigral.html")
    with open(target, "w", encoding="utf-8") as f:
        f.write(build())


if __name__ == "__main__":
    main()
