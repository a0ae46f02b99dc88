#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QElapsedTimer;

namespace tessarine::bench {

// A photo-like JPEG (smooth shapes and sensor noise, so it compresses like a phone photo).
void writePhoto(const QString& path, QSize size, int seed);

// Fills Images, Symbols and Attributes under `folder` with `names` names each, all hard links to a
// handful of photos of `photoSize`, so that 1000-name folders cost no more disk than the photos.
// Every object picture has its symbol and its attribute, and each category holds several values.
void writeMediaFolders(const QString& folder, int names, QSize photoSize);
// The same, written by this program run again as a child, so that the memory it takes to draw the
// photos does not count in this process's peak. The child's main starts with writeMediaIfAsked.
void writeMediaFoldersApart(const QString& folder, int names, QSize photoSize);
// True when this run is such a child: it has written the folders and its main returns 0.
bool writeMediaIfAsked(int argc, char** argv);

struct Summary {
    double median = 0;
    double p95 = 0;
    double mean = 0;
};
Summary summarise(std::vector<double> samples);

// Peak and current resident memory of this process, in MiB.
double peakResidentMiB();
double currentResidentMiB();

bool hasFlag(int argc, char** argv, const char* flag);
// The whole number after `name` on the command line, or `fallback`.
int intOption(int argc, char** argv, const char* name, int fallback);
// Milliseconds since the timer started, to the nanosecond.
double msSince(const QElapsedTimer& timer);

} // namespace tessarine::bench
