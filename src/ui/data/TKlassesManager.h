#pragma once
// "Классы": the classes editor, with the pages of specializations, busy hours and
// parallel classes.
#include "RecordEditor.h"

class QComboBox;
class QLineEdit;
class QTabWidget;

namespace lovaris::ui {

class CheckList;
class NumberEdit;
class ReferenceList;

class TKlassesManager : public RecordEditor<TKlassItem> {
    Q_OBJECT
public:
    enum Page { kSpecializationPage = 0, kBusyPage = 1, kParallelsPage = 2 };

    explicit TKlassesManager(Project& project, QWidget* parent = nullptr);
    void Activated() override;
    QTabWidget* pages() const { return pages_; }

protected:
    void showFields(TKlassItem& klass) override;
    void clearFields() override;
    int appendRecord() override;

private:
    QWidget* makePages();
    void readStartingLessons(const QString& text);
    void storeParallels();
    ListEntries otherClasses(const TKlassItem& klass) const;

    NumberEdit* childrenEdit_;
    QLineEdit* startingEdit_;
    ReferenceList* roomList_;
    QComboBox* stageList_;
    QTabWidget* pages_ = nullptr;
    CheckList* specializationList_ = nullptr;
    CheckList* parallelsList_ = nullptr;
};

}  // namespace lovaris::ui
