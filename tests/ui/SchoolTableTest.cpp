#include <QHeaderView>
#include <QImage>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

#include "ui/workspace/SchoolCellPainter.h"
#include "ui/workspace/TSchoolTable.h"

using namespace lovaris;
using namespace lovaris::ui;

namespace {

// A cell drawn alone on an image, to read its pixels.
QImage Paint(const THourElementRecord& record, CellKind kind = CellKind::Data, QSize size = {100, 40}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    QPalette palette;
    palette.setColor(QPalette::Button, QColor(200, 200, 200));
    palette.setColor(QPalette::ButtonText, Qt::black);
    PaintHourElement(painter, QRect(QPoint(0, 0), size), record, kind, palette);
    return image;
}

}  // namespace

class SchoolTableTest : public QObject {
    Q_OBJECT
private slots:
    void cellDrawsSubCellsStatesAndFills_data() {
        QTest::addColumn<int>("kind");  // 0 two by two, 1 grey fill, 2 red state, 3 red state on a header
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("inside the first sub-cell") << 0 << QPoint(10, 5) << QColor(Qt::white);
        QTest::newRow("the column separator") << 0 << QPoint(59, 5) << QColor(200, 200, 200);
        QTest::newRow("the row separator") << 0 << QPoint(80, 19) << QColor(200, 200, 200);
        QTest::newRow("a grey fill covers its cell") << 1 << QPoint(50, 20) << QColor(128, 128, 128);
        QTest::newRow("closed: red background") << 2 << QPoint(3, 3) << QColor(255, 0, 0);
        QTest::newRow("a header keeps its face") << 3 << QPoint(3, 3) << QColor(200, 200, 200);
    }
    void cellDrawsSubCellsStatesAndFills() {
        QFETCH(int, kind);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        THourElementRecord record;
        if (kind == 0) {
            record.SetSubColumns({60, 40});
            record.SetEvenSubRows(2);
        } else if (kind == 1) {
            record.text(1, 1) = std::string(kFillGrey);
        } else {
            record.state = CellState::RedBackground;
        }
        const QImage image = Paint(record, kind == 3 ? CellKind::Header : CellKind::Data);
        QCOMPARE(image.pixelColor(pixel), colour);
    }

    void tooFewSubRowsStillGiveRowsOfTwoLines() {
        TSchoolTable table;
        table.setGridSize(9, 5);
        const int line = QFontMetrics(table.font()).boundingRect(QStringLiteral("ЁуIg")).height();
        for (int asked : {-1, 0, 1, 2}) {
            table.SetSubRowsCnt(asked);
            QCOMPARE(table.SubRowsCnt(), 2);
            QCOMPARE(table.rowHeight(3), 2 * line + 1);
        }
        table.SetSubRowsCnt(4);
        QCOMPARE(table.rowHeight(0), 4 * line + 3);
    }

    void orientationSizesTheCellsAndResizingOneResizesAll() {
        TSchoolTable table;
        table.resize(300, 120);  // too small to stretch the cells: they keep their own sizes
        table.setGridSize(9, 6);
        QCOMPARE(table.columnWidth(4), 77);
        QCOMPARE(table.rowHeight(2), 27);
        QCOMPARE(table.verticalHeader()->width(), 101);
        table.setOrientation(false);
        QCOMPARE(table.columnWidth(0), 133);
        QCOMPARE(table.rowHeight(4), 29);
        table.horizontalHeader()->resizeSection(2, 90);
        for (int c = 0; c < 8; ++c) QCOMPARE(table.columnWidth(c), 90);
    }

    // Few lessons share the width the view has; a header text is shown whole.
    void cellsFillTheViewAndHeadersFitTheirTexts() {
        TSchoolTable table;
        table.resize(1000, 400);
        table.setCellSource([](int col, int row) {
            THourElementRecord record;
            if (col == 0 && row == 1) record.text(1, 1) = "Очень длинное имя учителя для заголовка";
            return record;
        });
        table.setGridSize(9, 3);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.fitToView();
        QVERIFY(table.columnWidth(0) > 77);
        QCOMPARE(table.columnWidth(0), table.columnWidth(7));
        QVERIFY(table.columnWidth(0) * 8 <= table.viewport()->width());
        QVERIFY(table.rowHeight(0) * 2 <= table.viewport()->height());
        QVERIFY(table.rowHeight(0) > 27);
        const int text = table.fontMetrics().horizontalAdvance(QStringLiteral("Очень длинное имя учителя для заголовка"));
        QVERIFY(table.verticalHeader()->width() >= text);
    }

    // A cell whose text is shown cut tells all its texts as a tooltip; a cell that shows
    // its texts whole has none.
    void cutCellsTellTheirWholeTexts() {
        TSchoolTable table;
        table.resize(600, 300);
        table.setGridSize(4, 3);
        table.setCellSource([](int col, int row) {
            THourElementRecord record;
            if (row == 0 || col == 0) return record;
            record.subColumnWidths = {50, 50, 0, 0, 0};
            record.text(1, 1) = "5А";
            record.text(2, 1) = col == 1 ? "Кабинет иностранного языка 214" : "12";
            return record;
        });
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        const auto askTip = [&](int col) {
            const QPoint at = table.cellRect(col, 1).center();
            QHelpEvent help(QEvent::ToolTip, at, table.viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(table.viewport(), &help);
        };
        askTip(1);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("5А\nКабинет иностранного языка 214"));
        askTip(2);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void cellsAreAskedByGridCoordinates() {
        TSchoolTable table;
        table.resize(600, 300);
        table.setGridSize(4, 3);
        table.setCellSource([](int col, int row) {
            THourElementRecord record;
            record.text(1, 1) = std::to_string(col) + ":" + std::to_string(row);
            return record;
        });
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCOMPARE(table.cells()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("2:0"));
        QCOMPARE(table.cells()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), QStringLiteral("0:1"));
        const QRect rect = table.cellRect(3, 2);
        QCOMPARE(table.cellAt(rect.center()), QPoint(3, 2));
        QCOMPARE(table.cells()->data(table.cells()->index(1, 2), Qt::DisplayRole).toString(), QStringLiteral("3:2"));
    }
};

QTEST_MAIN(SchoolTableTest)
#include "SchoolTableTest.moc"
