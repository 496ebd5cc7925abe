#pragma once

// Tests that reach the history's SQLite file behind the storage's back, or fill its disk.

#include "storage/stockagetirages.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <unistd.h>
#include <vector>

namespace vormigral::test {

// A connection of its own to the file, as another copy of the program would have.
class Autre {
public:
    explicit Autre(const QString& chemin) {
        QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("autre"));
        base.setDatabaseName(chemin);
        base.open();
    }
    ~Autre() {
        QSqlDatabase::database(QStringLiteral("autre"), false).close();
        QSqlDatabase::removeDatabase(QStringLiteral("autre"));
    }
    Autre(const Autre&) = delete;
    Autre& operator=(const Autre&) = delete;
    bool execute(const QString& instruction) {
        return QSqlQuery(QSqlDatabase::database(QStringLiteral("autre"), false)).exec(instruction);
    }
};

// A file system of 8 KiB at `dossier` while it lives, full after a page or two.
class Montage {
public:
    explicit Montage(const QString& dossier) : dossier_(dossier) {
        QDir().mkpath(dossier_);
        monte_ = ::geteuid() == 0 &&
                 QProcess::execute(QStringLiteral("mount"),
                                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                    QStringLiteral("size=8k"), QStringLiteral("tmpfs"), dossier_}) == 0;
    }
    ~Montage() {
        if (monte_)
            QProcess::execute(QStringLiteral("umount"), {dossier_});
    }
    Montage(const Montage&) = delete;
    Montage& operator=(const Montage&) = delete;
    bool monte() const { return monte_; }

private:
    QString dossier_;
    bool monte_ = false;
};

// Every draw the history holds, read afresh.
inline std::vector<TTirageDate> relus(const TStockageTirages& base) {
    std::vector<TTirageDate> sortie;
    base.lit(sortie);
    return sortie;
}

// The stored payouts of each draw, in their order.
inline std::vector<TGains> gainslus(const TStockageTirages& base, const std::vector<TTirageDate>& tirages) {
    std::vector<TGains> sortie;
    base.litgains(tirages, sortie);
    return sortie;
}

} // namespace vormigral::test
