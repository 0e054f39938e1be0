<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AbAddAddressScreenClass</name>
    <message>
        <source>Add Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbAddressScreenClass</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbContactListScreenClass</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address Book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbPrevDestItem</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AbPrevDestListScreenClass</name>
    <message>
        <source>Previous Destinations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressEnterScreenClass</name>
    <message>
        <source>AddressEnterScreen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressListClass</name>
    <message>
        <source>AddressList</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressListItemClass</name>
    <message>
        <source>AddressListItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddressRegionListClass</name>
    <message>
        <source>Regions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmClockDetailScreenClass</name>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmClockListScreenClass</name>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaCaclulateScreenClass</name>
    <message>
        <source>Area Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk around the perimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaCalcScreenClass</name>
    <message>
        <source>AreaCalcScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area       Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Active Track?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaCalculationScreenClass</name>
    <message>
        <source>Perimeter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Calculation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaPointsScreenClass</name>
    <message>
        <source>AreaPointsScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Calculation 1</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioTestScreenClass</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BarometerCalibScreenClass</name>
    <message>
        <source>Sea Level Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a known elevation or sea level pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate Barometer/Altimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Barometric Altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Elevation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BravikEditItemScrClass</name>
    <message>
        <source>Edit Bravik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g., work address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g., nearest Geocache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g., Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reassign Type:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BravikFunctionListScrClass</name>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BravikHardwareButtonsScrClass</name>
    <message>
        <source>Assign Button Function</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BravikMainScrClass</name>
    <message>
        <source>Click icon to edit...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrightnessPopupScreenClass</name>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcPosScreenClass</name>
    <message>
        <source>Calculating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating average position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated Accuracy:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSelectionScreenClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompassCalib3DScrClass</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronic Compass 3D Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the unit in a figure&lt;br&gt;8 motion while twisting&lt;br&gt;the wrist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompassCalibTraditionalScrClass</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place device on horizontal&lt;br&gt;surface far from metallic parts&lt;br&gt;and slowly rotate it.&lt;br&gt;Keep arrow directed to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronic compass 2D Traditional Calibration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompassCalibrateScreenClass</name>
    <message>
        <source>Calibrate Electronic Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the unit in a figure 8 motion while twisting the wrist until you hear the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectedPCScreenClass</name>
    <message>
        <source>Connected to PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting to Connect...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Back to Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoordEditorClass</name>
    <message>
        <source>Coordinate Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QLineEdit
{ 
	border-style: none;
	background-color: rgba(0, 0, 0, 0);
}
</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_Dashboard_Field_113x45.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoordEntryScreenClass</name>
    <message>
        <source>Coordinate Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrTblItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CurrTblScreenClass</name>
    <message>
        <source>Current station</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date anchored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardBarometerScrClass</name>
    <message>
        <source>Current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardCompassScrClass</name>
    <message>
        <source>DashboardCompassScr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardDataField</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardFieldsListScrClass</name>
    <message>
        <source>Fields</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardMenuScreenClass</name>
    <message>
        <source>Compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Road</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altimeter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardRoadCompassScrClass</name>
    <message>
        <source>DashboardRoadCompassScr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DashboardScrClass</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EULAScreenClass</name>
    <message>
        <source>End User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileListItemClass</name>
    <message>
        <source>Name</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FishHuntScreenClass</name>
    <message>
        <source>Fish and Hunt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GcAttributeItemClass</name>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GcAttributesScreenClass</name>
    <message>
        <source>background-color: rgba(223,242,250,160);</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GcSummaryScreenClass</name>
    <message>
        <source>Geocache Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeoCacheListScreenClass</name>
    <message>
        <source>Geocaches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter will be here...</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheCreateScreenClass</name>
    <message>
        <source>Add Geocache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheDDEScreenClass</name>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Ascent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Descent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation Change:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheDetailsScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stats/History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheFilterShowScreenClass</name>
    <message>
        <source>Show All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Favorites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheFilterSortByClass</name>
    <message>
        <source>Geocache ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheFilterTypeClass</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheFiltersScreenClass</name>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terrain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name or ID...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheHeaderWidgetClass</name>
    <message>
        <source>By</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheHintScreenClass</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheHistoryScreenClass</name>
    <message>
        <source>Stats/History</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheLocationScreenClass</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheLogScreenClass</name>
    <message>
        <source>Recent Logs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheOptionsScreenClass</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocachePopUpClass</name>
    <message>
        <source>(Dif/Terr)</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeocacheStatusScreenClass</name>
    <message>
        <source>Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs Maintenance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a Field Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GotoRoutePtListItemClass</name>
    <message>
        <source>GotoRoutePtListItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GotoRoutePtListScreenClass</name>
    <message>
        <source>Goto Route Point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HiddenAutoTestScreenClass</name>
    <message>
        <source>Auto Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HiddenMenuScreenClass</name>
    <message>
        <source>Hidden Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HiddenSirfSettingScreenClass</name>
    <message>
        <source>SIRF Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SNR mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DOP mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:    Updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walking mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IconSelectorScreenClass</name>
    <message>
        <source>Select Icon</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageFlickingScreenClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFromScreenClass</name>
    <message>
        <source>ImportFromScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportListScreenClass</name>
    <message>
        <source>Import from Device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocationPaneWidgetClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LockScreenClass</name>
    <message>
        <source>Screen Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide button to the right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to unlock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenuScreenClass</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geocaches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POI</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapAreaScreenClass</name>
    <message>
        <source>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(0, 0, 0, 0);</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perimeter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapControlsScreenClass</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapPanScreenClass</name>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapPreviewScreenClass</name>
    <message>
        <source>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(0, 0, 0, 0);</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapRegularScreenClass</name>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSel_DetailsScreenClass</name>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSel_FileListScreenClass</name>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSel_SubTypeListScreenClass</name>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapSel_TypeListScreenClass</name>
    <message>
        <source>No maps found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapVehicleModeScreenClass</name>
    <message>
        <source>CURRENT STREET NAME</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapVehicleRouteScreenClass</name>
    <message>
        <source>CURRENT STREET NAME</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#DIST</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapViewScreenClass</name>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaAttachmentBrowserBaseClass</name>
    <message>
        <source>Long</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaDetailsScreenClass</name>
    <message>
        <source>MediaDetailsScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaScreenClass</name>
    <message>
        <source>Photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaSettingsScreenClass</name>
    <message>
        <source>Media Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Photos On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaVideoThumbScreenClass</name>
    <message>
        <source>MediaVideoThumbScreen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaVoiceMemoDetailsScreenClass</name>
    <message>
        <source>MediaVoiceMemoDetailsScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaVoiceMemoListScreenClass</name>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaVoiceMemoRecScreenClass</name>
    <message>
        <source>MediaVoiceMemoRecScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Memo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavCurrentsScreenClass</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/I</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NearByTypeScreenClass</name>
    <message>
        <source>NearByTypeScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Nearby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geocaches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Routes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NearestObjectsListScreenClass</name>
    <message>
        <source>Found Objects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POICategoryListItemClass</name>
    <message>
        <source>POIRootCtgListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POICategoryListScreenClass</name>
    <message>
        <source>Points of interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No categories found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIDDEScreenClass</name>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Ascent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Descent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation Change:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIDetailScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIHeaderItemClass</name>
    <message>
        <source>POIHeaderItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIListItemClass</name>
    <message>
        <source>POIListITem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 ft</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 ft</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIListScreenClass</name>
    <message>
        <source>Points of interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No objects found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POILocationScreenClass</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIOptionsScreenClass</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>POIPicturesScreenClass</name>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayLogMenuScreenClass</name>
    <message>
        <source>Play Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current File To Play:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No File To Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <extracomment>Number, not prose; change only how the language writes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditAlarmsScreenClass</name>
    <message>
        <source>Apply to All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Course</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrival Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Fix Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Proximity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoint Proximity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geocache Proximity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Fix Acquired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditMapOptionsNavionicsScreenClass</name>
    <message>
        <source>Navionics Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contour Line Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Boundaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Charts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditMapOptionsScreenClass</name>
    <message>
        <source>Map Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navionics Chart Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geocaches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shaded Relief</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Info: Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map / Chart Detail</source>
        <comment>ComboBox Caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position Destination Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Draw Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Media Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topo Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin Destination Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Location Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Info: Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditSensorsScreenClass</name>
    <message>
        <source>Apply to All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronic compass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to GPS Compass at the following Speed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditTracksScreenClass</name>
    <message>
        <source>Apply to All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track Logging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logging Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileEditUnitsScreenClass</name>
    <message>
        <source>Apply to All Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileListItemClass</name>
    <message>
        <source>Name</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressScreenClass</name>
    <message>
        <source>Please Wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuarnContextMenu</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuarnMessageBoxClass</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuarnTitleBar</name>
    <message>
        <source>HH:MM</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarGeocacheClass</name>
    <message>
        <source>(Dif/Terr)</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordLogMenueScreenClass</name>
    <message>
        <source>Record Log file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current File To Record:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No File To Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteAreaScreenClass</name>
    <message>
        <source>Perimeter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Calculation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteDDEScreenClass</name>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation change</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteDetailsScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteListItemClass</name>
    <message>
        <source>RouteListItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteListScreenClass</name>
    <message>
        <source>Routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter will be here...</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteOptionsScreenClass</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoutePointItemClass</name>
    <message>
        <source>RouteListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoutePointsScreenClass</name>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteSimulationMenuScreenClass</name>
    <message>
        <source>Route Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1x</source>
        <extracomment>Number, not prose; change only how the language writes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Simulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5x</source>
        <extracomment>Number, not prose; change only how the language writes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2x</source>
        <extracomment>Number, not prose; change only how the language writes it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteSortAndSearchScreenClass</name>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RouteVPScreenClass</name>
    <message>
        <source>Net Change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenCaptureClass</name>
    <message>
        <source>Screen Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the power key to capture any screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Saved Screen Captures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchNearbyListScreenClass</name>
    <message>
        <source>Nearby Search Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No objects found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsBrightnessVolumeScreenClass</name>
    <message>
        <source>Brightness &amp; Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backlight Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsConnectivityScreenClass</name>
    <message>
        <source>Connectivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nmea option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDateTimeScreenClass</name>
    <message>
        <source>Date &amp; Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Time Zone...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone &amp; DST</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDiagnosticScreenClass</name>
    <message>
        <source>Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsGpsScreenClass</name>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point on Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set GPS Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsLanguageScreenClass</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsMemoryScreenClass</name>
    <message>
        <source>Use SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for External Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Memory from Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Memory from SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Factory Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.00</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsNavigationScreenClass</name>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Coordinate System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Coordinate Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Coordinate Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary Map Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Coordinate System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Coordinate Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Coordinate Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary Map Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altimeter Source</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsNightModeScreenClass</name>
    <message>
        <source>Night Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPowerScreenClass</name>
    <message>
        <source>Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Suspend Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Suspend puts the unit in power save mode and continues logging your track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsProductInfoScreenClass</name>
    <message>
        <source>Product Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial #:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsRouteOptionsScreenClass</name>
    <message>
        <source>Routing Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle Routing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsScreenClass</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTimeZoneScreenClass</name>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Savings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsUserDatumScreenClass</name>
    <message>
        <source>User Datum Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta A (meters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_map_field.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta F (x 10,000)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta X (meters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta Y (meters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta Z (meters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation X (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation Y (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation Z (sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale factor (ppm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsUserGridScreenClass</name>
    <message>
        <source>User Grid Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub User Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates of Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/Bkgd/bkgd_map_field.mif</source>
        <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate of Point 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate of Point 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azimuth of Central Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit to Meters Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False North at Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False East at Origin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SunMoonScreenClass</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:10pt; font-weight:600; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;MS Shell Dlg 2&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>Empty rich-text document, not prose; keep it unless the language needs another font.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun and Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rises</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextInputScreenClass</name>
    <message>
        <source>DataInputScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TideCurrentScreenClass</name>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/I</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TideTblItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TideTblScreenClass</name>
    <message>
        <source>Tide station</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date anchored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsGeofenceDetailsScreen</name>
    <message>
        <source>Border Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proximity Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsGeofencingMapAreasScreenClass</name>
    <message>
        <source>Add GeoFence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsGeofencingScreenClass</name>
    <message>
        <source>GeoFencing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsHelpScreenClass</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsOwnerInfoScreenClass</name>
    <message>
        <source>Owner Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsProfilesScreenClass</name>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolsScreenClass</name>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/1</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackDDEInfoContainerClass</name>
    <message>
        <source>Distance Traveled:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight Line Distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Descent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Ascent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Ascent &amp; Descent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stoped Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Moving Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Ascent Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Descent Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avg. Time To Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Segments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackDetailsScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackHeaderItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackListItemClass</name>
    <message>
        <source>TrackListItem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackListScreenClass</name>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter will be here...</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackOptionsScreenClass</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show on Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackSortScreenClass</name>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripSummaryItemClass</name>
    <message>
        <source>TripSummaryItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TripSummaryScreenClass</name>
    <message>
        <source>Track Summary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnListScreenClass</name>
    <message>
        <source>Turn List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerticalProfileTrackScreenClass</name>
    <message>
        <source>Net Change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VideoTestScreenClass</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptCreateFromProjectionScreenClass</name>
    <message>
        <source>Projection from current Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptCreateScreenClass</name>
    <message>
        <source>Create New Waypoint From</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptDDEScreenClass</name>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bearing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Ascent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Descent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation Change:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptDataScreenClass</name>
    <message>
        <source>01/01/2010 00:00:00</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptDetailScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptListScreenClass</name>
    <message>
        <source>Next&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waypoints</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptLocationScreenClass</name>
    <message>
        <source>Primary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0</source>
        <extracomment>Number shown until the host fills it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptOptionsScreenClass</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptPicturesScreenClass</name>
    <message>
        <source>01/01/2010 00:00:00</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WptSortByScreenClass</name>
    <message>
        <source>Next&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by name...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
