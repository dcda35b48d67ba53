// The three collection reports on a recording printer (600 dpi: 2.4 twips a pixel).
#include "CollectionFixture.h"

#include "platform/Colour.h"

#include <QDir>
#include <QFontMetricsF>
#include <QRadioButton>

using namespace korv;

namespace {
constexpr double kTw = 1440.0 / 600; // twips per device pixel

const PrintOp* findText(const RecordingPrinter::Page& page, const QString& text) {
    for (const PrintOp& op : page)
        if (op.kind == PrintOp::Text && op.text == text) return &op;
    return nullptr;
}
double xTw(const PrintOp& op) {
    return op.rect.x() * kTw;
}
double yTw(const PrintOp& op) {
    return op.rect.y() * kTw;
}
} // namespace

class PrintTest : public CollectionTest {
protected:
    void SetUp() override {
        CollectionTest::SetUp();
        naam = "Druk";
        services.clock->fix(QDateTime(QDate(2026, 5, 6), QTime(8, 9, 10)));
        open();
    }
    void fill(int n) {
        for (int i = 0; i < n; ++i)
            add(rec(QString::number(1900 + i), QString("N%1").arg(i)));
    }
    const std::vector<RecordingPrinter::Page>& printed(int option) {
        form->Option1[option]->setChecked(true);
        form->PrintKnop_Click();
        EXPECT_EQ(printers->recording().documents.size(), 1u);
        return printers->recording().documents.back();
    }
};

TEST_F(PrintTest, PlainListFillsFiftyFourRowsAPage) {
    fill(55);
    const auto& doc = printed(0);
    ASSERT_EQ(doc.size(), 2u);
    const PrintOp* head = findText(doc[0], "Verzameling : Druk");
    ASSERT_TRUE(head);
    EXPECT_DOUBLE_EQ(xTw(*head), 1200);
    EXPECT_DOUBLE_EQ(yTw(*head), 420);
    EXPECT_TRUE(head->font.bold());
    EXPECT_EQ(head->colour, RGB(0, 0, 90));
    const PrintOp* stamp = findText(doc[0], "08:09:10 / 06-05-2026");
    ASSERT_TRUE(stamp);
    EXPECT_DOUBLE_EQ(xTw(*stamp), 9150);
    EXPECT_EQ(stamp->colour, RGB(90, 0, 0));
    const PrintOp* type = findText(doc[0], "Type");
    ASSERT_TRUE(type);
    EXPECT_DOUBLE_EQ(xTw(*type), 7770);
    EXPECT_DOUBLE_EQ(yTw(*type), 900);
    EXPECT_TRUE(findText(doc[0], QString(162, '-')));
    // Rows from y 1380 in steps of 255: the 54th at 14895. Type cells at 7970.
    const PrintOp* first = findText(doc[0], "1900");
    const PrintOp* last = findText(doc[0], "1953");
    ASSERT_TRUE(first && last);
    EXPECT_DOUBLE_EQ(yTw(*first), 1380);
    EXPECT_DOUBLE_EQ(yTw(*last), 14895);
    EXPECT_FALSE(first->font.bold());
    EXPECT_EQ(first->colour, RGB(90, 90, 90));
    int typeCells = 0;
    for (const PrintOp& op : doc[0])
        if (op.text == "Getand") {
            EXPECT_DOUBLE_EQ(xTw(op), 7970);
            ++typeCells;
        }
    EXPECT_EQ(typeCells, 54);
    // Page 2: headings again, no head, the 55th row at 1320.
    EXPECT_FALSE(findText(doc[1], "Verzameling : Druk"));
    EXPECT_TRUE(findText(doc[1], "Conditie"));
    const PrintOp* row55 = findText(doc[1], "1954");
    ASSERT_TRUE(row55);
    EXPECT_DOUBLE_EQ(yTw(*row55), 1320);
}

TEST_F(PrintTest, FiftyFourRowsEndWithAPageOfHeadingsAlone) {
    fill(54);
    const auto& doc = printed(0);
    ASSERT_EQ(doc.size(), 2u);
    EXPECT_EQ(doc[1].size(), 7u); // six headings and the rule
}

TEST_F(PrintTest, PriceListAlignsPricesAndTotalsThem) {
    add(rec("1900", "A", "x", "c", "12,50", "3,10"));
    add(rec("1901", "B", "x", "c", "-", "4,25"));
    add(rec("1902", "C", "x", "c", "5", "-"));
    add(rec("1903", "D", "x", "c", "1.234,50", "-"));
    const auto& doc = printed(1);
    ASSERT_EQ(doc.size(), 1u);
    const auto& page = doc[0];
    EXPECT_TRUE(findText(page, "Catalogusprijs"));
    const QString euro = QString::fromUtf8("€ ");
    // The value's own right end stands at the column's edge.
    auto rightEnd = [](const PrintOp& op, const QString& value) {
        return (op.rect.x() + QFontMetricsF(op.font).horizontalAdvance(value)) * kTw;
    };
    const PrintOp* p1 = findText(page, euro + "12,50");
    ASSERT_TRUE(p1);
    EXPECT_NEAR(rightEnd(*p1, "12,50"), 4800, 0.01);
    EXPECT_DOUBLE_EQ(yTw(*p1), 1380);
    const PrintOp* five = findText(page, "5");
    ASSERT_TRUE(five);
    EXPECT_NEAR(rightEnd(*five, "5"), 4800, 0.01);
    const PrintOp* own = findText(page, euro + "4,25");
    ASSERT_TRUE(own);
    EXPECT_NEAR(rightEnd(*own, "4,25"), 6300, 0.01);
    EXPECT_TRUE(findText(page, "-"));

    // 12.5 + 0 + 5 + 1.234 and 3.10 + 4.25, under a rule two row steps lower.
    const PrintOp* rule = findText(page, QString(16, '-') + QString(8, ' ') + QString(16, '-'));
    ASSERT_TRUE(rule);
    EXPECT_DOUBLE_EQ(xTw(*rule), 3990);
    EXPECT_DOUBLE_EQ(yTw(*rule), 1380 + 4 * 255);
    const PrintOp* catSum = findText(page, euro + "18,73");
    const PrintOp* ownSum = findText(page, euro + "7,35");
    ASSERT_TRUE(catSum && ownSum);
    EXPECT_DOUBLE_EQ(yTw(*catSum), 1380 + 4 * 255 + 300);
    EXPECT_NEAR(rightEnd(*catSum, "18,73"), 4800, 0.01);
    EXPECT_NEAR(rightEnd(*ownSum, "7,35"), 6300, 0.01);
}

TEST_F(PrintTest, TotalsKeepEveryCent) {
    // Summed in single precision these give 1234572,13.
    add(rec("1900", "A", "x", "c", "4,25", "-"));
    add(rec("1901", "B", "x", "c", "1234567,89", "-"));
    add(rec("1902", "C", "x", "c", "0,01", "-"));
    const auto& page = printed(1)[0];
    const QString euro = QString::fromUtf8("€ ");
    EXPECT_TRUE(findText(page, euro + "1234572,15"));
    EXPECT_TRUE(findText(page, euro + "0,00"));
}

TEST_F(PrintTest, AnEmptyPriceListHasNoTotals) {
    const auto& doc = printed(1);
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_EQ(doc[0].size(), 2u + 6u); // head and headings
}

TEST_F(PrintTest, RecordReportPrintsTheEditorAndOnlyTheRecordsOwnPhoto) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(qRgb(10, 120, 10));
    ASSERT_TRUE(QDir().mkpath(path("Verzameling/Druk/1900")));
    ASSERT_TRUE(img.save(path("Verzameling/Druk/1900/N0.jpg"), "JPEG"));
    fill(2);
    form->Option1[2]->setChecked(true);
    dialogs->expectMsg("Item selecteren a.u.b.").buttons = Mb::OkOnly | Mb::Critical;
    form->PrintKnop_Click();
    EXPECT_TRUE(printers->recording().documents.empty());

    form->ListView1->selectIndex(0);
    form->ListView1_ItemClick();
    form->Text2->setText("Gewijzigd"); // shown, not stored
    form->PrintKnop_Click();
    ASSERT_EQ(printers->recording().documents.size(), 1u);
    const auto& page = printers->recording().documents.back()[0];
    const PrintOp* value = findText(page, "Gewijzigd");
    ASSERT_TRUE(value);
    EXPECT_DOUBLE_EQ(xTw(*value), 4050);
    EXPECT_DOUBLE_EQ(yTw(*value), 2400);
    EXPECT_EQ(value->colour, RGB(0, 90, 0));
    const PrintOp* item = findText(page, "1");
    ASSERT_TRUE(item);
    EXPECT_DOUBLE_EQ(yTw(*item), 1200);
    EXPECT_TRUE(findText(page, "Verzamelgebied : "));
    EXPECT_TRUE(findText(page, "Aantal Gegevens : 2"));
    EXPECT_TRUE(findText(page, "N0.jpg"));
    int images = 0;
    for (const PrintOp& op : page)
        if (op.kind == PrintOp::Image) {
            ++images;
            EXPECT_DOUBLE_EQ(op.rect.x() * kTw, 1200);
            EXPECT_DOUBLE_EQ(op.rect.y() * kTw, 9300);
            EXPECT_DOUBLE_EQ(op.rect.width() * kTw, 40 * 15);
        }
    EXPECT_EQ(images, 1);

    form->ListView1->selectIndex(1); // no photo of its own
    form->ListView1_ItemClick();
    form->PrintKnop_Click();
    for (const PrintOp& op : printers->recording().documents.back()[0])
        EXPECT_NE(op.kind, PrintOp::Image);
}

TEST_F(PrintTest, APhotoLargerThanThePaperIsMadeToFit) {
    QImage img(900, 600, QImage::Format_RGB32);
    img.fill(qRgb(200, 100, 0));
    ASSERT_TRUE(QDir().mkpath(path("Verzameling/Druk/1900")));
    ASSERT_TRUE(img.save(path("Verzameling/Druk/1900/N0.jpg"), "JPEG"));
    fill(1);
    form->ListView1->selectIndex(0);
    form->ListView1_ItemClick();
    form->Option1[2]->setChecked(true);
    form->PrintKnop_Click();
    const auto& page = printers->recording().documents.back()[0];
    const PrintOp* photo = nullptr;
    for (const PrintOp& op : page)
        if (op.kind == PrintOp::Image) photo = &op;
    ASSERT_TRUE(photo);
    // A4 is 8.27 inches across: the photo ends 600 twips before the right edge, its
    // proportions kept (13500 x 9000 twips on the screen).
    const double right = photo->rect.right() * kTw;
    EXPECT_NEAR(right, 8.27 * 1440 - 600, 1.0);
    EXPECT_NEAR(photo->rect.width() / photo->rect.height(), 1.5, 1e-9);
}
