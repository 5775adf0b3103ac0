// Writes the full-combination templates tkombi<game>_<NN>.txt into a folder, after checking each
// one (exact partition, systems, disjointness, ranks). With --lp it writes instead the integer
// program whose optimum is the fewest items for one game and N, for an LP solver such as cbc:
//   templategen <folder>
//   templategen --lp <game> <N> <file.lp>
#include "tools/templategen/TemplatePlan.h"

#include "core/slip/SystemTable.h"

#include <QFile>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <vector>

namespace {

int writeTemplates(const QString& folder) {
    for (int game : {5, 6, 7}) {
        for (int n = 13; n <= 20; ++n) {
            const TemplatePlan plan = buildPlan(game, n);
            const QString fault = checkPlan(plan);
            if (!fault.isEmpty()) {
                std::fprintf(stderr, "game %d, %d numbers: %s\n", game, n, qPrintable(fault));
                return 1;
            }
            const QString name = QStringLiteral("%1/tkombi%2_%3.txt").arg(folder).arg(game).arg(n);
            QFile file(name);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
            file.write(templateText(plan).toUtf8());
            std::printf("%s: %zu entries + entry 0, %zu plain rows, %d items\n", qPrintable(name),
                        plan.entries.size(), plan.plainRows.size(), plan.itemCount());
        }
    }
    return 0;
}

struct Candidate {
    char variant;
    RankMask fix;
    std::vector<RankMask> played;
};

// Every entry the game allows for n numbers, apart from those that replay part of entry 0.
std::vector<Candidate> candidates(int game, int n) {
    const int k = numbersPerRow(game);
    const std::vector<char> variants = game == 6   ? std::vector<char>{' ', '8', '9'}
                                       : game == 7 ? std::vector<char>{' ', '*'}
                                                   : std::vector<char>{' '};
    std::vector<Candidate> out;
    for (char v : variants) {
        const RankMask set = combinationSet(game, n, v);
        const RankMask rest = rangeMask(1, n) & ~set;
        for (int f = 0; f <= k; ++f) {
            if (!systemExists(game, f, rankCount(set))) {
                continue;
            }
            for (RankMask local : allSubsets(rankCount(rest), f)) {
                RankMask fix = 0;
                const std::vector<int> ranks = ranksOf(rest);
                for (int i : ranksOf(local)) {
                    fix |= RankMask{1} << (ranks[i - 1] - 1);
                }
                std::vector<RankMask> played = playedSubsets(fix, set, k);
                const bool inBase = !played.empty() && (played.front() & ~baseSet(game)) == 0;
                if (!played.empty() && !inBase) {
                    out.push_back({v, fix, std::move(played)});
                }
            }
        }
    }
    return out;
}

// Items = 1 + C(n, k) - C(base, k) + objective: each chosen entry is one item and saves the
// plain rows of the subsets it plays; each subset may be played by at most one entry.
int writeIntegerProgram(int game, int n, const QString& path) {
    const std::vector<Candidate> all = candidates(game, n);
    std::map<RankMask, std::vector<int>> playedBy;
    for (int i = 0; i < int(all.size()); ++i) {
        for (RankMask x : all[i].played) {
            playedBy[x].push_back(i);
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    QTextStream out(&file);
    out << "\\ items = " << 1 + binomial(n, game) - binomial(rankCount(baseSet(game)), game)
        << " + objective\nMinimize\n obj:";
    for (int i = 0; i < int(all.size()); ++i) {
        out << ' ' << (1 - qint64(all[i].played.size()) >= 0 ? "+" : "")
            << 1 - qint64(all[i].played.size()) << " x" << i;
    }
    out << "\nSubject To\n";
    int row = 0;
    for (const auto& [x, users] : playedBy) {
        if (users.size() < 2) {
            continue;
        }
        out << " c" << row++ << ":";
        for (std::size_t j = 0; j < users.size(); ++j) {
            out << (j ? " + x" : " x") << users[j];
        }
        out << " <= 1\n";
    }
    out << "Binary\n";
    for (int i = 0; i < int(all.size()); ++i) {
        out << " x" << i;
    }
    out << "\nEnd\n";
    std::printf("%zu candidate entries, %d constraints\n", all.size(), row);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && QString::fromLocal8Bit(argv[1]) == QStringLiteral("--lp")) {
        return writeIntegerProgram(QString::fromLocal8Bit(argv[2]).toInt(),
                                   QString::fromLocal8Bit(argv[3]).toInt(),
                                   QString::fromLocal8Bit(argv[4]));
    }
    if (argc == 2) {
        return writeTemplates(QString::fromLocal8Bit(argv[1]));
    }
    std::fprintf(stderr, "usage: templategen <folder> | templategen --lp <game> <N> <file.lp>\n");
    return 2;
}
