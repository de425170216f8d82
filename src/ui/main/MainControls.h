#pragma once

class QListWidget;
class QPushButton;
class QWidget;

namespace qvz {

// The fixed parts of the main window's client area around the topic panels.
void addZodiacPicture(QWidget* client);
QListWidget* addTopicList(QWidget* client);
QPushButton* addSaveButton(QWidget* client);
void addDiscussionBanner(QWidget* client);
void addKeyFacts(QWidget* client);
void addPromotions(QWidget* client);

} // namespace qvz
