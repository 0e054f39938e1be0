#include "forms/media/MediaAttachmentBrowserBaseClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaAttachmentBrowserBaseClass &ui, QWidget *root)
{
    Root(root, "MediaAttachmentBrowserBaseClass").size(240, 400);

    make(ui.backingPlaceholder, root, "backingPlaceholder").at(20, 180, 200, 80);
    make(ui.labelPlaceholder, ui.backingPlaceholder, "labelPlaceholder")
        .at(0, 0, 200, 80)
        .palette(blackText())
        .buttonLabel()
        .wordWrap();
    make(ui.icoGrabScr, root, "icoGrabScr").at(0, 109, 241, 241);
    make(ui.playMemo, root, "playMemo").at(0, 130, 240, 170).pixelSize(12);
    make(ui.btnPlayPause, ui.playMemo, "btnPlayPause")
        .at(105, 123, 31, 35)
        .normal(":/Buttons/b_media_play.mif")
        .pressed(":/Buttons/b_media_play_h.mif")
        .eventPropagation();
    make(ui.btnREW, ui.playMemo, "btnREW")
        .at(20, 110, 58, 58)
        .normal(":/Buttons/b_media_rewind.mif")
        .pressed(":/Buttons/b_media_rewind_h.mif")
        .eventPropagation();
    make(ui.btnFF, ui.playMemo, "btnFF")
        .at(164, 110, 58, 58)
        .normal(":/Buttons/b_media_fastforward.mif")
        .pressed(":/Buttons/b_media_fastforward_h.mif")
        .eventPropagation();
    make(ui.progressBar, ui.playMemo, "progressBar").at(54, 56, 132, 16).value(24).textVisible(false);
    make(ui.backingProgress, ui.playMemo, "backingProgress").at(73, 78, 91, 37);
    make(ui.labelProgress, ui.backingProgress, "labelProgress")
        .at(0, 0, 91, 37)
        .panelText()
        .alignment(Qt::AlignCenter)
        .pixelSize(12);
    make(ui.backingInfo, ui.playMemo, "backingInfo").at(23, 4, 198, 44);
    make(ui.iconVoice, ui.backingInfo, "iconVoice").at(16, 4, 45, 39).image(":/Icons/i_media_voice.mif");
    make(ui.labelInfo, ui.backingInfo, "labelInfo").at(62, 5, 133, 34).panelText().pixelSize(12);
    make(ui.btnMediaAttachment, root, "btnMediaAttachment").at(5, 72, 226, 44).panelButton();
    make(ui.labelMemoCounter, ui.btnMediaAttachment, "labelMemoCounter").at(175, 11, 41, 20).panelText().pixelSize(12);
    make(ui.iconMemo, ui.btnMediaAttachment, "iconMemo").at(148, 11, 25, 22).image(":/Icons/i_PaneBtn_Music.mif");
    make(ui.labelPicturesCounter, ui.btnMediaAttachment, "labelPicturesCounter")
        .at(36, 11, 41, 21)
        .panelText()
        .pixelSize(12);
    make(ui.labelVideoCounter, ui.btnMediaAttachment, "labelVideoCounter")
        .at(106, 11, 41, 20)
        .panelText()
        .pixelSize(12);
    make(ui.iconPhoto, ui.btnMediaAttachment, "iconPhoto").at(10, 11, 25, 22).image(":/Icons/i_PaneBtn_Pictures.mif");
    make(ui.iconVideo, ui.btnMediaAttachment, "iconVideo").at(80, 11, 25, 22).image(":/Icons/i_PaneBtn_Video.mif");
    make(ui.btnPrev, root, "btnPrev")
        .at(0, 315, 60, 43)
        .normal(":/Buttons/b_Prev.mif")
        .pressed(":/Buttons/b_Prev_h.mif");
    make(ui.btnNext, root, "btnNext")
        .at(180, 315, 60, 43)
        .normal(":/Buttons/b_Next.mif")
        .pressed(":/Buttons/b_Next_h.mif");
    make(ui.showDetails, root, "showDetails").at(10, 114, 220, 241);
    make(ui.geoSecondary, ui.showDetails, "geoSecondary").at(10, 174, 201, 65);
    make(ui.txtLat_2, ui.geoSecondary, "txtLat_2").at(40, 28, 140, 18).mediaInfoValue();
    make(ui.txtLong_2, ui.geoSecondary, "txtLong_2").at(40, 46, 140, 18).mediaInfoValue();
    make(ui.icoGeo_2, ui.geoSecondary, "icoGeo_2").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtDatum_2, ui.geoSecondary, "txtDatum_2").at(40, 14, 140, 15).mediaInfoSmallPrint();
    make(ui.txtSecondary, ui.geoSecondary, "txtSecondary").at(40, 0, 140, 16).mediaInfoSmallPrint();
    make(ui.geoPrimary, ui.showDetails, "geoPrimary").at(10, 104, 201, 65);
    make(ui.txtLong, ui.geoPrimary, "txtLong").at(40, 46, 140, 18).mediaInfoValue();
    make(ui.icoGeo, ui.geoPrimary, "icoGeo").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtLat, ui.geoPrimary, "txtLat").at(40, 28, 140, 18).mediaInfoValue();
    make(ui.txtDatum, ui.geoPrimary, "txtDatum").at(40, 14, 140, 15).mediaInfoSmallPrint();
    make(ui.txtPrimary, ui.geoPrimary, "txtPrimary").at(40, 0, 140, 15).mediaInfoSmallPrint();
    make(ui.fileInfo, ui.showDetails, "fileInfo").at(14, 4, 197, 99);
    make(ui.fixtxtFormat, ui.fileInfo, "fixtxtFormat").at(2, 48, 80, 16).mediaInfoName();
    make(ui.fixtxtTime, ui.fileInfo, "fixtxtTime").at(2, 16, 80, 16).mediaInfoName();
    make(ui.txtDate, ui.fileInfo, "txtDate").at(82, 1, 95, 16).mediaInfoValue();
    make(ui.txtFormat, ui.fileInfo, "txtFormat").at(82, 48, 95, 16).mediaInfoValue();
    make(ui.fixtxtDate, ui.fileInfo, "fixtxtDate").at(2, 1, 80, 16).mediaInfoName();
    make(ui.txtTime, ui.fileInfo, "txtTime").at(82, 16, 95, 16).mediaInfoValue();
    make(ui.fixtxtSize, ui.fileInfo, "fixtxtSize").at(2, 80, 80, 16).mediaInfoName();
    make(ui.txtSize, ui.fileInfo, "txtSize").at(82, 80, 95, 16).mediaInfoValue();
    make(ui.fixtxtFile, ui.fileInfo, "fixtxtFile").at(2, 32, 80, 16).mediaInfoName();
    make(ui.txtFile, ui.fileInfo, "txtFile").at(82, 32, 95, 16).mediaInfoValue();
    make(ui.fixtxtDuration, ui.fileInfo, "fixtxtDuration").at(2, 64, 80, 16).mediaInfoName();
    make(ui.txtDuration, ui.fileInfo, "txtDuration").at(82, 64, 95, 16).mediaInfoValue();
}

void retranslateUi(Ui_MediaAttachmentBrowserBaseClass &ui, QWidget *)
{
    ui.playMemo->setContent(QString());
    //: Sample content, replaced by the host at run time.
    ui.txtLat_2->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Lat"));
    //: Sample content, replaced by the host at run time.
    ui.txtLong_2->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Long"));
    ui.txtDatum_2->setContent(QString());
    ui.txtSecondary->setContent(QString());
    //: Sample content, replaced by the host at run time.
    ui.txtLong->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Long"));
    //: Sample content, replaced by the host at run time.
    ui.txtLat->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Lat"));
    ui.txtDatum->setContent(QString());
    ui.txtPrimary->setContent(QString());
    ui.fixtxtFormat->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Format:"));
    ui.fixtxtTime->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Time:"));
    ui.txtDate->setContent(QString());
    ui.txtFormat->setContent(QString());
    ui.fixtxtDate->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Date:"));
    ui.txtTime->setContent(QString());
    ui.fixtxtSize->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Size:"));
    ui.txtSize->setContent(QString());
    ui.fixtxtFile->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "File Name:"));
    ui.txtFile->setContent(QString());
    ui.fixtxtDuration->setContent(QCoreApplication::translate("MediaAttachmentBrowserBaseClass", "Duration:"));
    ui.txtDuration->setContent(QString());
}

Form<Ui_MediaAttachmentBrowserBaseClass, setupUi, retranslateUi> formMediaAttachmentBrowserBaseClass;

} // namespace

FormLayout &MediaAttachmentBrowserBaseClass()
{
    return formMediaAttachmentBrowserBaseClass;
}

} // namespace quarn::forms
