#include "DesignFilesFixture.h"

#include "editor/Algemeen.h"
#include "platform/Colour.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QPainter>

void DesignFilesTest::SetUp() {
    ProgramFolderTest::SetUp();
    for (int f = 1; f <= 7; ++f) {
        const korv::FormatSize s = korv::formatSize(f);
        QImage tpl(s.width + 45, s.height + 45, QImage::Format_RGB32);
        tpl.fill(Qt::white);
        ASSERT_TRUE(tpl.save(path(QString("Data/Template-%1.jpg").arg(f)), "JPEG"));
    }
    services.picturesFolder = picturesFolder();
    state_ = std::make_unique<korv::AppState>();
    state_->services.dialogs = services.dialogs;
    state_->services.clock = services.clock;
    state_->services.programFolder = services.programFolder;
    state_->services.picturesFolder = services.picturesFolder;
    main_ = std::make_unique<korv::Main>(*state_, windows_);
    main_->Form_Load();
}

void DesignFilesTest::TearDown() {
    main_.reset();
    state_.reset();
    ProgramFolderTest::TearDown();
}

QImage DesignFilesTest::quarters(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h / 2, QColor(200, 30, 30));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(30, 200, 30));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(30, 30, 200));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(250, 250, 250));
    return img;
}

void DesignFilesTest::writeDesign(const QString& fileName, const QImage& img, const char* format) {
    ASSERT_TRUE(img.save(designFile(fileName), format));
}

void DesignFilesTest::makeUnsavedWork() {
    S().Gewijzigd = true;
    M().Pic->surface().filledBox(0, 0, 20, 20, korv::RGB(255, 0, 0));
    M().UndoPic->surface().filledBox(5, 5, 30, 30, korv::RGB(0, 0, 255));
    unsavedCanvas_ = M().Pic->Image().copy();
    unsavedUndo_ = M().UndoPic->Image().copy();
    ASSERT_NE(unsavedCanvas_, unsavedUndo_);
}

void DesignFilesTest::expectNoKeepsTheDesign(const QDialog& window,
                                             const std::function<void()>& ok) {
    const QString file = S().OntwerpBestand;
    const int format = S().OntwerpFormaat;
    auto& q = dialogs->expectMsg(kUnsavedDesign, korv::Mb::No);
    q.title = "Korvamint Smidrovel";
    q.buttons = korv::Mb::YesNo;
    ok();
    dialogs->verifyDone();
    EXPECT_EQ(M().Pic->Image(), unsavedCanvas_);
    EXPECT_EQ(M().UndoPic->Image(), unsavedUndo_);
    EXPECT_EQ(S().OntwerpBestand, file);
    EXPECT_TRUE(S().Gewijzigd);
    EXPECT_EQ(S().OntwerpFormaat, format);
    EXPECT_TRUE(window.isVisible());
    EXPECT_NE(window.result(), QDialog::Accepted);
}
