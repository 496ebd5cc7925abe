#include "app/module.h"

#include "vormigral/projet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace vormigral {

QString EchecModule::ou() const {
    QStringList natifs;
    for (const QString& dossier : dossiers)
        natifs << QDir::toNativeSeparators(dossier);
    return natifs.join(QStringLiteral(", "));
}

void* symbolemodule(const char* nom, const char* symbole, EchecModule& echec) {
    const QDir programme(QCoreApplication::applicationDirPath());
    echec = {QStringLiteral("libvormigral_%1.so").arg(QString::fromUtf8(nom)),
             {programme.path(), QDir::cleanPath(programme.filePath(QString::fromUtf8(modulesinstalles)))},
             {}};
    const QString choisi = qEnvironmentVariable("VORMIGRAL_MODULES");
    if (!choisi.isEmpty())
        echec.dossiers.prepend(choisi);
    for (const QString& dossier : echec.dossiers) {
        const QString chemin = QDir(dossier).filePath(echec.fichier);
        if (!QFileInfo::exists(chemin))
            continue;
        // Never closed: what the module made lives as long as the program.
        void* module = dlopen(QFile::encodeName(chemin).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* raison = dlerror();
            echec.raison = raison ? QString::fromLocal8Bit(raison) : QDir::toNativeSeparators(chemin);
            return nullptr;
        }
        if (void* adresse = dlsym(module, symbole))
            return adresse;
        echec.raison =
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(chemin), QString::fromUtf8(symbole));
        return nullptr;
    }
    return nullptr;
}

} // namespace vormigral
