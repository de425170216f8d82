// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "profile/SignProfile.h"

#include <QList>
#include <QString>

namespace qvz {

// How a topic's panel presents its fields.
enum class PanelKind {
    FactRows, // a caption beside a single-line box per field
    OneText,  // one long text filling the panel
    Family,   // a caption above a multi-line box per field
    Links,    // no profile data: pages of the maker's web site
};

// A profile field, the box that shows it and how the report labels it.
struct TopicField {
    QString SignProfile::*field;
    const char* box;                   // the box's name
    const char* label;                 // the name of its caption label, if it has one
    const char* caption;               // that label's text; a fact line of the report adds ": "
    const char* hint;                  // that label's tooltip
    const char* reportLabel = nullptr; // a family line's label in the report
};

// One entry of the main window's topic list: its panel and its section of the report.
struct ProfileTopic {
    int position;
    QString text; // list text, panel caption and report heading
    PanelKind kind;
    QList<TopicField> fields; // in the order the panel lays them out and the report lists them
    int reportBreaks;         // line breaks after the section's last line in the report
};

// The topics in list order. A topic without fields has no section in the report.
const QList<ProfileTopic>& profileTopics();

// The four key facts above the panels, in the order of their fields: the report's first
// lines, without a heading.
const ProfileTopic& keyFacts();

} // namespace qvz
