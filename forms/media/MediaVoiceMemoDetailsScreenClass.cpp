#include "forms/media/MediaVoiceMemoDetailsScreenClass.h"

#include "core/construction/construction.h"

#include <QCoreApplication>

namespace quarn::forms {
namespace {

void setupUi(Ui_MediaVoiceMemoDetailsScreenClass &ui, QWidget *root)
{
    Root(root, "MediaVoiceMemoDetailsScreenClass").size(240, 400);

    bottomBar(ui.statusBar, root);
    backButton(ui.btnBack, ui.statusBar);
    make(ui.btnCenter, ui.statusBar, "btnCenter")
        .at(85, 6, 60, 43)
        .normal(":/Buttons/b_media_voiceplay.mif")
        .pressed(":/Buttons/b_media_voiceplay_h.mif");
    contextMenuButton(ui.btnContextMenu, ui.statusBar).font(aaFont());
    listHeaderButton(ui.btnListHeader, root);
    make(ui.iconVoiceMemo, ui.btnListHeader, "iconVoiceMemo").at(50, 3, 41, 39).image(":/Icons/i_media_voicesmall.mif");
    make(ui.txtMemo, ui.btnListHeader, "txtMemo")
        .at(97, 9, 116, 27)
        .palette(Colours()
                     .role(QPalette::WindowText, kWhite, kDisabledText)
                     .role(QPalette::Text, kWhite, kDisabledText)
                     .role(QPalette::ButtonText, kWhite, kDisabledText))
        .font(boldAA())
        .pixelSize(16);
    make(ui.btnREW, root, "btnREW")
        .at(0, 299, 58, 58)
        .normal(":/Buttons/b_media_rewind.mif")
        .pressed(":/Buttons/b_media_rewind_h.mif");
    make(ui.btnFF, root, "btnFF")
        .at(180, 299, 58, 58)
        .normal(":/Buttons/b_media_fastforward.mif")
        .pressed(":/Buttons/b_media_fastforward_h.mif");
    make(ui.progressBar, root, "progressBar").at(53, 316, 126, 18).value(24).textVisible(false);
    make(ui.txtPosition, root, "txtPosition").at(135, 317, 43, 18).listHeaderCount();
    make(ui.showDetails, root, "showDetails").at(8, 70, 220, 227);
    make(ui.geoSecondary, ui.showDetails, "geoSecondary").at(10, 158, 201, 65);
    make(ui.txtLat_2, ui.geoSecondary, "txtLat_2").at(40, 28, 140, 18).mediaInfoValue();
    make(ui.txtLong_2, ui.geoSecondary, "txtLong_2").at(40, 46, 140, 18).mediaInfoValue();
    make(ui.icoGeo_2, ui.geoSecondary, "icoGeo_2").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtDatum_2, ui.geoSecondary, "txtDatum_2").at(40, 14, 140, 15).mediaInfoSmallPrint();
    make(ui.txtSecondary, ui.geoSecondary, "txtSecondary").at(40, 0, 140, 16).mediaInfoSmallPrint();
    make(ui.geoPrimary, ui.showDetails, "geoPrimary").at(10, 90, 201, 65);
    make(ui.txtLong, ui.geoPrimary, "txtLong").at(40, 46, 140, 18).mediaInfoValue();
    make(ui.icoGeo, ui.geoPrimary, "icoGeo").at(0, 0, 37, 36).image(":/Icons/i_media_info.mif");
    make(ui.txtLat, ui.geoPrimary, "txtLat").at(40, 28, 140, 18).mediaInfoValue();
    make(ui.txtDatum, ui.geoPrimary, "txtDatum").at(40, 14, 140, 15).mediaInfoSmallPrint();
    make(ui.txtPrimary, ui.geoPrimary, "txtPrimary").at(40, 0, 140, 15).mediaInfoSmallPrint();
    make(ui.fileInfo, ui.showDetails, "fileInfo").at(14, 4, 197, 85);
    make(ui.fixtxtFormat, ui.fileInfo, "fixtxtFormat").at(2, 64, 80, 16).mediaInfoName();
    make(ui.txtDate, ui.fileInfo, "txtDate").at(82, 1, 95, 16).mediaInfoValue();
    make(ui.txtFormat, ui.fileInfo, "txtFormat").at(82, 64, 95, 16).mediaInfoValue();
    make(ui.fixtxtDate, ui.fileInfo, "fixtxtDate").at(2, 1, 80, 16).mediaInfoName();
    make(ui.fixtxtSize, ui.fileInfo, "fixtxtSize").at(2, 32, 80, 16).mediaInfoName();
    make(ui.txtSize, ui.fileInfo, "txtSize").at(82, 32, 95, 16).mediaInfoValue();
    make(ui.fixtxtFile, ui.fileInfo, "fixtxtFile").at(2, 48, 80, 16).mediaInfoName();
    make(ui.txtFile, ui.fileInfo, "txtFile").at(82, 48, 95, 16).mediaInfoValue();
    make(ui.fixtxtDuration, ui.fileInfo, "fixtxtDuration").at(2, 16, 80, 16).mediaInfoName();
    make(ui.txtDuration, ui.fileInfo, "txtDuration").at(82, 16, 95, 16).mediaInfoValue();
}

void retranslateUi(Ui_MediaVoiceMemoDetailsScreenClass &ui, QWidget *root)
{
    root->setWindowTitle(
        QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "MediaVoiceMemoDetailsScreen"));
    ui.txtMemo->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Voice Memo"));
    //: Sample content, replaced by the host at run time.
    ui.txtLat_2->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Lat"));
    //: Sample content, replaced by the host at run time.
    ui.txtLong_2->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Long"));
    ui.txtDatum_2->setContent(QString());
    ui.txtSecondary->setContent(QString());
    //: Sample content, replaced by the host at run time.
    ui.txtLong->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Long"));
    //: Sample content, replaced by the host at run time.
    ui.txtLat->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Lat"));
    ui.txtDatum->setContent(QString());
    ui.txtPrimary->setContent(QString());
    ui.fixtxtFormat->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Format:"));
    ui.txtDate->setContent(QString());
    ui.txtFormat->setContent(QString());
    ui.fixtxtDate->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Date:"));
    ui.fixtxtSize->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Size:"));
    ui.txtSize->setContent(QString());
    ui.fixtxtFile->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "File Name:"));
    ui.txtFile->setContent(QString());
    ui.fixtxtDuration->setContent(QCoreApplication::translate("MediaVoiceMemoDetailsScreenClass", "Duration:"));
    ui.txtDuration->setContent(QString());
}

Form<Ui_MediaVoiceMemoDetailsScreenClass, setupUi, retranslateUi> formMediaVoiceMemoDetailsScreenClass;

} // namespace

FormLayout &MediaVoiceMemoDetailsScreenClass()
{
    return formMediaVoiceMemoDetailsScreenClass;
}

} // namespace quarn::forms
