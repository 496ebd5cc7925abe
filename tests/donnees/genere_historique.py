#!/usr/bin/env python3
"""Writes historique-exemple.csv: 300 made-up draws of a 6-out-of-49 lottery with a complementary
number, twice a week (Wednesday and Saturday) from 2 January 2021, in the column layout lotteries
publish: a header, ";" between fields, DD/MM/YYYY dates, the balls in the order drawn, and columns
the program does not read (draw number, weekday, claim deadline, winners and payouts with a decimal
comma). Its own small generator with a fixed seed makes the file identical on every run.

    python3 tests/donnees/genere_historique.py
"""
import datetime
import os

GRAINE = 20240309
NOMBRE = 300
JOURS = ["LUNDI", "MARDI", "MERCREDI", "JEUDI", "VENDREDI", "SAMEDI", "DIMANCHE"]


class Generateur:
    """xorshift64*: the same numbers on every machine and Python version."""

    def __init__(self, graine):
        self.etat = graine or 1

    def suivant(self):
        x = self.etat
        x ^= (x >> 12)
        x ^= (x << 25) & 0xFFFFFFFFFFFFFFFF
        x ^= (x >> 27)
        self.etat = x
        return (x * 0x2545F4914F6CDD1D) & 0xFFFFFFFFFFFFFFFF

    def sous(self, n):
        return (self.suivant() >> 11) % n


def tirage(g):
    urne = list(range(1, 50))
    boules = []
    for _ in range(7):
        boules.append(urne.pop(g.sous(len(urne))))
    return boules[:6], boules[6]


def montant(g, rang):
    euros = [2000000, 100000, 1500, 60, 10][rang] + g.sous(10000) / 100
    entier, centimes = f"{euros:.2f}".split(".")
    return f"{int(entier):,}".replace(",", " ") + "," + centimes


def lignes():
    g = Generateur(GRAINE)
    yield ("numero_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;"
           "boule_4;boule_5;boule_6;boule_complementaire;nombre_de_gagnant_au_rang1;rapport_du_rang1;"
           "nombre_de_gagnant_au_rang2;rapport_du_rang2")
    jour = datetime.date(2021, 1, 2)
    rang, annee = 0, jour.year
    for _ in range(NOMBRE):
        rang, annee = (rang + 1 if jour.year == annee else 1), jour.year
        boules, complementaire = tirage(g)
        forclusion = jour + datetime.timedelta(days=60)
        champs = [f"{jour.year}{rang:03d}", JOURS[jour.weekday()], jour.strftime("%d/%m/%Y"),
                  forclusion.strftime("%d/%m/%Y")]
        champs += [str(b) for b in boules] + [str(complementaire)]
        champs += [str(g.sous(3) // 2), montant(g, 0), str(g.sous(20)), montant(g, 1)]
        yield ";".join(champs)
        jour += datetime.timedelta(days=4 if jour.weekday() == 5 else 3)


def main():
    ici = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(ici, "historique-exemple.csv"), "w", encoding="utf-8", newline="\r\n") as f:
        for ligne in lignes():
            f.write(ligne + "\n")


if __name__ == "__main__":
    main()
