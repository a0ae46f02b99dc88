#pragma once

#include "check/CheckResult.h"
#include "check/PictureVerdicts.h"
#include "core/MessageBox.h"
#include "core/Module1.h"
#include "exercise/MatchingRules.h"
#include "exercise/SetOutcome.h"
#include "exercise/SetPlan.h"
#include "platform/DirectoryListing.h"
#include "platform/ProgramInfo.h"
#include "platform/RandomSource.h"

#include <QHash>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace tessarine::check {

class DecodeCache;

// The exercise decodes its pictures at these sizes; the check does the same.
inline constexpr QSize ObjectBox = DecodeSize::Object;
inline constexpr QSize AnswerBox = DecodeSize::Answer;

// Keeps the error messages the exercise would show, to count and quote them.
class CollectedReports final : public IMessageBox {
public:
    void showCritical(const QString& text) override { shown.append(text); }
    QStringList shown;
};

// One picture folder as the exercise's loader reads it.
struct FolderScan {
    QString name;
    bool exists = false;
    bool readable = false;
    QStringList used;      // the names the exercise's list holds (position 1 upwards)
    QStringList notListed; // names the listing returned beyond the list's end
    int loaderReports = 0; // message boxes the loader showed
    QString loaderMessage; // the first of them
    bool empty() const { return used.size() == 1 && used.first().isEmpty(); }
};

// What one check works with and has found so far, shared by its jobs: the exercise's own run
// state, listing, rules and planner over the folder, and the findings in the order they are told.
struct CheckRun {
    CheckRun(const QString& folder, DecodeCache* decodes)
        : program(ProgramInfo::withFolder(folder))
        , module(messageBox, random)
        , rules(module)
        , planner(module)
        , pictures(program, decodes)
        , loads([this](const QString& folder, const QString& name, QSize box) { return loadError(folder, name, box); })
    {
    }

    std::optional<RuntimeError> loadError(const QString& folder, const QString& name, QSize box)
    {
        return pictures.loadError(folder, name, box);
    }
    void add(Finding finding) { result.findings.append(std::move(finding)); }

    ProgramInfo program;
    CollectedReports messageBox;
    QtDirectoryListing listing;
    ClockRandomSource random;
    Module1 module;
    MatchingRules rules;
    SetPlanner planner;
    PictureVerdicts pictures;
    LoadVerdicts loads; // the same verdicts, for replaying plans

    CheckResult result;
    FolderScan images, symbols, attributes;
    QString partMessage; // the exercise's message for a missing name part, once one is seen
    // Stray files per folder (wrong extension or hidden), for hints.
    QHash<QString, QStringList> stray;
    // Per answer picture ("Folder/name"): the objects it is the right answer of, and the options
    // under which it can be drawn as a distractor.
    QHash<QString, QStringList> rightFor;
    QHash<QString, QSet<int>> distractorIn;
    std::optional<QStringList> recordings; // the wave files beside the object pictures
};

} // namespace tessarine::check
