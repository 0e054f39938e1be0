<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AbAddAddressScreenClass</name>
    <message>
        <source>Add Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The menu of ways to add an address.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AbAddressListScreenClass</name>
    <message>
        <source></source>
        <comment>One address-book contact: addresses with Go, phones and notes, with Delete or Save in the bar.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AbAddressScreenClass</name>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The address menu of the address book: header strip over a list the host fills.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AbContactItem</name>
    <message>
        <source></source>
        <comment>One row of the contact list: icon, name and address lines, and Go.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The contact list of the address book with its header strip and counters.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AbPrevDestItem</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the previous-destination list: icon and two address lines.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AbPrevDestListScreenClass</name>
    <message>
        <source>Previous Destinations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of previous destinations with its header strip and counters.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ActiveTrackHeaderItemClass</name>
    <message>
        <source></source>
        <comment>The header of the active track (240 × 46).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AddressEnterScreenClass</name>
    <message>
        <source>AddressEnterScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Address entry: the entry field with backspace over the keyboard, and the region selector.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The result list of an address search with its sort-type button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AddressListItemClass</name>
    <message>
        <source>AddressListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the address result list: name and address beside the distance.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AddressRegionListClass</name>
    <message>
        <source>Regions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of regions for address search.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AddressRegionListItem</name>
    <message>
        <source></source>
        <comment>One row of the region list: the region name.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AlarmClockDetailScreenClass</name>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The details of one alarm.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AlarmClockListItem</name>
    <message>
        <source></source>
        <comment>One row of the alarm list; root properties as in the tools row.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AlarmClockListScreenClass</name>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of alarms.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>AnimatedHighlightClass</name>
    <message>
        <source></source>
        <comment>An animated highlight: four frames around a centre point; no children.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The choice of how to define the area.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The confirmation popup of the area calculation.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The result of the area calculation.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of the area&apos;s points.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The audio test dialog: a title and one OK button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Barometer and altimeter calibration from a known elevation or sea-level pressure.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The editor of one shortcut button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>BravikFunctionListScrClass</name>
    <message>
        <source>Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of functions for a shortcut button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>BravikHardwareButtonsScrClass</name>
    <message>
        <source>Assign Button Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The assignment of functions to the two hardware buttons.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>BravikMainScrClass</name>
    <message>
        <source>Click icon to edit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The grid of shortcut buttons.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The power popup: connect, suspend, sleep and power off, with volume and brightness.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The position-averaging popup: progress, estimated accuracy, the averaged position and a radar ping.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The popup palette of twelve colours to choose from.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The 3D compass calibration: the figure-8 instruction and animation, started from the bottom bar.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The traditional 2D compass calibration: rotate the unit flat, keeping the blue arrow towards you.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Compass calibration by the figure-8 motion: title, instruction and the motion&apos;s animation.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Shown while the unit connects to a PC.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ContextMenuItem</name>
    <message>
        <source></source>
        <comment>One entry of the options menu: icon and label on a button-like root.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The editor of one coordinate value: input line over the on-screen keyboard.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Coordinate entry, under the coordinate system and datum in use.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>CurrTblItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One day of the current table: the date over rows of type, time and comment, in the host&apos;s field order.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The current table of a station: its day entries under the station and date titles.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The barometer and altimeter graph with zoom buttons and the current and change read-outs.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardCompassPublicScrClass</name>
    <message>
        <source></source>
        <comment>A compass dashboard variant: a bar of up to four data fields and the spin box choosing their number.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The full compass dashboard: a 240 px compass above the bottom bar.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardDataField</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One navigation data field: a pressable background with its title and value.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardFieldsListScrClass</name>
    <message>
        <source>Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of values from which the user picks what a data field shows.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The dashboard menu: round buttons for the instrument screens under three caption strips.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardNavFieldsScreenClass</name>
    <message>
        <source></source>
        <comment>The data-fields-only dashboard: 1 to 14 data fields filling the screen.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardRoadCompassScrClass</name>
    <message>
        <source>DashboardRoadCompassScr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The road compass: a strip compass in road mode with zoom buttons.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardSatelliteScreenClass</name>
    <message>
        <source></source>
        <comment>The satellite status view: the sky view over a bar of two data fields.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The main dashboard: small compass, geocache summary and up to eight data fields.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>DashboardStripCompassScrClass</name>
    <message>
        <source></source>
        <comment>The strip compass: a horizontal compass strip with needles above the bottom bar.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The licence agreement with Accept and Decline.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>FileListItemClass</name>
    <message>
        <source>Name</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of a file list: a check-mark icon and the file name.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The fishing and hunting forecast for a date chosen on the calendar.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GcAttributeItemClass</name>
    <message>
        <source>background-color: rgba(255, 255, 255, 0);</source>
        <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the attribute list. Its minimum size and its event propagation are root properties.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The attribute list of the cache.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GcSummaryItemClass</name>
    <message>
        <source></source>
        <comment>One row of the summary list; the row button&apos;s normal and pressed images are root properties.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GcSummaryScreenClass</name>
    <message>
        <source>Geocache Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The geocache summary list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeoCacheListItemClass</name>
    <message>
        <source></source>
        <comment>One row of the geocache list. The root is the row button; its three state images are given as dynamic properties.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of geocaches.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The screen that creates a geocache.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The distance, direction and elevation page: distance, elevation change, total descent, total ascent and bearing, each with its value.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The cache description as scrolling text.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The main page of one geocache.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The page that chooses between all caches and favourites only.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The sort order page.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The multiple-choice filter page with its check list. Like the filter overview, it sets images, pixel sizes, contents and flags as properties by name.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheFilterTypeItemClass</name>
    <message>
        <source></source>
        <comment>One check item of the multiple-choice list. The root is the check button; its mark images, mark position and button images are dynamic properties of the root.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The filter overview. Every control here takes its images, pixel sizes, contents and flags as properties set by name.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheHeaderWidgetClass</name>
    <message>
        <source>By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The header that names one geocache; its background image is the root&apos;s dynamic property `image`.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheHintScreenClass</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The hint, as scrolling text.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheHistoryScreenClass</name>
    <message>
        <source>Stats/History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The stats and history text of the cache.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The cache position in the primary and the secondary coordinate format, each with its datum, and the elevation.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocacheLogScreenClass</name>
    <message>
        <source>Recent Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The recent logs of the cache.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The routing options of the cache.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocachePicturesScreenClass</name>
    <message>
        <source></source>
        <comment>The pictures page; the form provides only the header area and the bottom bar, and the host fills the rest of the screen.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GeocachePopUpClass</name>
    <message>
        <source>(Dif/Terr)</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The geocache bubble on the map, with its Go button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The user&apos;s status for the cache.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GotoRoutePtListItemClass</name>
    <message>
        <source>GotoRoutePtListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the go-to-route-point list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>GotoRoutePtListScreenClass</name>
    <message>
        <source>Goto Route Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Lets the user choose the route point to go to.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HTMLViewerScreenClass</name>
    <message>
        <source></source>
        <comment>A viewer of HTML text with page buttons.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HiddenAutoTestScreenClass</name>
    <message>
        <source>Auto Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The automatic test list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>HiddenMenuScreenClass</name>
    <message>
        <source>Hidden Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The service menu: a list of service entries.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The GPS receiver settings: masks, switches and receiver commands.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>IconSelectorScreenClass</name>
    <message>
        <source>Select Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The popup grid of icons to choose from.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The image viewer.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The popup that chooses the import source.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ImportListScreenClass</name>
    <message>
        <source>Import from Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of importable items.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A location pane that other screens embed: a Location header over a card with latitude, longitude and elevation.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The modal screen lock with its slide-to-unlock button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The home menu: three rows of round buttons, each with a caption strip, over the bottom bar.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map while an area is measured: area and perimeter over a shaded band, zoom, scale bar, Back and menu.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map with its control panels: Dashboard and Bravik above, Main and menu below, zoom, scale bar and compass.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapMultiPointsScreenClass</name>
    <message>
        <source></source>
        <comment>The map for picking several points: coordinates at the top, zoom, scale bar, Back and OK.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapPanScreenClass</name>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The map in pan mode: the plain view&apos;s furniture, scale bar and GO before the zoom buttons.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A destination previewed before navigation: distance, name and description over the map, zoom, GO, route options.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map with a bar of data fields along its lower edge, compass, zoom and scale bar.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapSel_ButtonItemClass</name>
    <message>
        <source></source>
        <comment>One row of the map file list: check box, map icon with badges, name.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapSel_DetailsScreenClass</name>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The details of one map, with its brand icon.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapSel_FileListScreenClass</name>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The third level of map selection: the map files of one subtype, each switched on or off.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapSel_SubTypeListItemClass</name>
    <message>
        <source></source>
        <comment>One row of the map type and subtype lists: icon and name.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapSel_SubTypeListScreenClass</name>
    <message>
        <source>Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The second level of map selection: the subtypes of one map type.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The first level of map selection: the map types, with a panel for no maps.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map in vehicle mode: current street at the top, zoom, compass and the data-field bar.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map following a route in vehicle mode: distance, next manoeuvre and its arrow at the top, zoom, compass, data fields.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MapViewScreenClass</name>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The plain map view: north-up indicator, zoom, scale bar, GO, coordinates at the top, Back and menu below.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The browser of the media attached to an object.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaCameraScreenClass</name>
    <message>
        <source></source>
        <comment>The camera view.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The details of one media file.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaPhotoPadScreenClass</name>
    <message>
        <source></source>
        <comment>The photo pad with a rotate button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaPhotoViewScreenClass</name>
    <message>
        <source></source>
        <comment>The photo view.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaPlayVideoScreenClass</name>
    <message>
        <source></source>
        <comment>The video player.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaPopUpClass</name>
    <message>
        <source></source>
        <comment>The media bubble on the map, with its Go button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The media menu.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The media settings.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaVideoThumbScreenClass</name>
    <message>
        <source>MediaVideoThumbScreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The video thumbnail page.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The player and details of one voice memo.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaVoiceMemoListItemClass</name>
    <message>
        <source></source>
        <comment>One row of the voice memo list; the row button&apos;s normal and pressed images and its event propagation are root properties.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>MediaVoiceMemoListScreenClass</name>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of voice memos.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The voice memo recorder.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The water current predicted at the destination while navigating, with its graph over time.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>NavFieldsListItem</name>
    <message>
        <source></source>
        <comment>One row of the data-field list: icon, field name, current value and the selection mark.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The object types of a nearby search, one check button each, with OK.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>NearestObjectsListItemClass</name>
    <message>
        <source></source>
        <comment>One row of the nearest-object list: icon, name and a small Go.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>NearestObjectsListScreenClass</name>
    <message>
        <source>Found Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The list of found nearest objects with its header strip and counters.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ObjectQuickInfoPopUpClass</name>
    <message>
        <source></source>
        <comment>The bubble of a map object: a new-waypoint button with the read-outs, and Go.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>One row of the category list: icon and caption.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of point-of-interest categories with its title and empty-list message.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Distance, direction and elevation figures of a point of interest.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>POIDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>A point of interest&apos;s description under its panel button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The point-of-interest detail menu: one panel button per sub-screen.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>POIHeaderItemClass</name>
    <message>
        <source>POIHeaderItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The header of a point of interest&apos;s screens: icon and name on the title strip.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>One row of the point-of-interest list: icon, name, distance, elevation, direction and Go.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of points of interest with its title, busy animation and empty-list message.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A point of interest&apos;s coordinates, datums and elevation in a scroll area.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A point of interest&apos;s options: activity indicator, routing selectors and settings.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>POIPicturesScreenClass</name>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The pictures screen of a point of interest: title and picture count; the pictures are the host&apos;s.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>POIPopUpClass</name>
    <message>
        <source></source>
        <comment>The point-of-interest bubble on the map, with its Go button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>POIRegionInfoScreenClass</name>
    <message>
        <source></source>
        <comment>Region information in a text area under the header area.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>PinClass</name>
    <message>
        <source></source>
        <comment>The map pin marker: a pin and a small arrow.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The log player: file choice, replay switches, play, stop, restart and 30-step jumps.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>PlayTrackScreenClass</name>
    <message>
        <source></source>
        <comment>Plays a track back on the map.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>PointOnMapPopUpClass</name>
    <message>
        <source></source>
        <comment>The bubble of a point on the map, with its Save button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The alarm settings of a profile, in a scrolling panel.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The chart options for Navionics charts of a profile, in a scrolling panel.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The map settings of a profile, in a long scrolling panel: a button for the chart options and choices for each map option.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ProfileEditScreenClass</name>
    <message>
        <source></source>
        <comment>Editing one profile: the profile name and icon in the title header and a kinetic list of the profile&apos;s setting groups.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The sensor settings of a profile.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The track-recording settings of a profile.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The units of a profile.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ProfileListItemClass</name>
    <message>
        <source>Name</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the profile list: an active-profile mark, the profile icon after a divider and the profile name.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The progress popup: waiting caption, progress bar and progress text.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuarnContextMenu</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The pop-up options menu: title, list of entries, close button, page-button slot.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuarnInfoPopupClass</name>
    <message>
        <source></source>
        <comment>A modal information popup: an icon and a wrapped message side by side.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuarnMainFrameClass</name>
    <message>
        <source></source>
        <comment>The full-screen frame the host places its screens in; it has no children.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The modal message box: title with icon, message, close button and up to four answers.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuarnTitleBar</name>
    <message>
        <source>HH:MM</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The status strip across the top of every screen.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarGeocacheClass</name>
    <message>
        <source>(Dif/Terr)</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The quick-information bar of a geocache under the status line.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarMediaClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a photo, video or voice memo under the status line.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarObjectClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a map object; the whole bar makes a new waypoint.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarPOIClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a point of interest under the status line.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarPointClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a point on the map, with its Save button.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarTrackClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a track under the status line.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>QuickInfoBarWaypointClass</name>
    <message>
        <source></source>
        <comment>The quick-information bar of a waypoint under the status line.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The log recorder: current file, automatic recording, status, and start, pause and stop.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Shows the area enclosed by a route.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Shows a route&apos;s distance and elevation figures.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>RouteDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Shows a route&apos;s description.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The route detail menu.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>RouteHeaderItemClass</name>
    <message>
        <source></source>
        <comment>The header of a route&apos;s screens (241 × 49).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>RouteListItemClass</name>
    <message>
        <source>RouteListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the route list.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The route list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>RouteMediaScreenClass</name>
    <message>
        <source></source>
        <comment>The media screen of a route.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Holds a route&apos;s options.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>One row of the route point list, with three pages.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>RoutePointsScreenClass</name>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Lists the points of a route.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The route simulation: speed factor, start, restart and stop, and the simulation status.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Sorts, filters and searches the route list.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Shows the vertical profile of a route.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Screen capture: switched on or off, and the saved captures.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ScrollButtonsWidgetClass</name>
    <message>
        <source></source>
        <comment>The pair of page buttons (down, up) that fills a bottom bar&apos;s scroll-button slot.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The result list of a nearby search with its busy animation and empty-result message.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Brightness and volume: two sliders, the backlight timer choice and check boxes for mute, vibrate and button sounds, in a scrolling panel.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Connectivity: choices for the connection mode, the NMEA option and the baud rate.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Date and time: date format, time format, calendar start day, time zone with a button that opens the time-zone screen, and a line showing the current date, time and time-zone shift.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Diagnostics: buttons that start the audio, video and touch tests.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>GPS settings: GPS on or off, and setting the GPS position from a point on the map or from coordinates, with the current primary coordinate and datum.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>SettingsLanguageScreenClass</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Language choice: a kinetic list of languages with a Next button, under a copy of the title-bar background.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Memory: the sizes of the memory areas and buttons to use the SD card, clear memory, restore the factory defaults and format the SD card.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Navigation settings: primary and secondary coordinate system, zone, accuracy and map datum, north reference and altimeter source, each a label with a combo box in one scrolling column.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Night mode: three radio buttons Auto, ON and OFF.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Power: choices for the active suspend timer, the power-off timer and the battery type, with an explanatory text.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Product information: the serial number and a list of further product details.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Route options: routing method and vehicle routing.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>SettingsScreenClass</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The settings menu: a kinetic list of settings categories under the title header, with a page indicator.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Time zone: the zone choice, a daylight-saving check box and the current date, time and shift.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The parameters of a user-defined datum: Delta A, Delta F, Delta X, Y and Z, rotations about X, Y and Z and a scale factor, each a label above a coordinate entry control in one scrolling column.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The parameters of a user-defined grid: grid and sub-grid choices, origin and two points, azimuth of the central line, scale factor, unit conversion and false north and east.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>StartupScreen</name>
    <message>
        <source></source>
        <comment>The start-up splash: product, version, stopwatch animation and owner information.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>SunMoonScreenClass</name>
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
    <message>
        <source></source>
        <comment>Sun and moon rise and set times for a date chosen on the calendar.</comment>
        <translation></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Arial&apos;; font-size:10pt; font-weight:600; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;MS Shell Dlg 2&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <extracomment>Empty rich-text document, not prose; keep it unless the language needs another font.</extracomment>
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
    <message>
        <source></source>
        <comment>Text input: the edited field&apos;s name, the edit line, the on-screen keyboard and a review area.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TideCurrCalendarScreenClass</name>
    <message>
        <source></source>
        <comment>The date choice for the tide and current tables.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The tide predicted at the destination while navigating: level, rise or fall, and the tide graph.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TideTblItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One day of the tide table: the date over rows of type, time and comment, in the host&apos;s field order.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The tide table of a station: its day entries under the station and date titles.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The details of one geofence.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ToolsGeofencingListItem</name>
    <message>
        <source></source>
        <comment>One row of the geofence list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ToolsGeofencingMapAreasListItem</name>
    <message>
        <source></source>
        <comment>One row of the map area list.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of map areas from which a geofence is added.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The list of geofences.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The help topics.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ToolsListItem</name>
    <message>
        <source></source>
        <comment>One row of the tools menu; the row button&apos;s normal and pressed images and its event propagation are root properties.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The owner information.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>ToolsProfilesScreenClass</name>
    <message>
        <source>Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The profile list: a kinetic list of profiles with page and count indicators and a profiles tool-bar button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The tools menu.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The scrolled content of the track figures screen (232 × 842).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackDDEScreenClass</name>
    <message>
        <source></source>
        <comment>Shows a track&apos;s distance, elevation and duration figures.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Shows a track&apos;s description.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The track detail menu.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackHeaderItemClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The header of a track (244 × 47).</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackListItemClass</name>
    <message>
        <source>TrackListItem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>One row of the track list.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The track list.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackMediaScreenClass</name>
    <message>
        <source></source>
        <comment>The media screen of a track.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Holds a track&apos;s options.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TrackPopUpClass</name>
    <message>
        <source></source>
        <comment>The track bubble on the map, with its Go button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Sorts and filters the track list.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>One trip-summary row: a title and value, or a start coordinate with its date.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TripSummaryScreenClass</name>
    <message>
        <source>Track Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The trip summary: a titled list of summary rows.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TurnListItemClass</name>
    <message>
        <source></source>
        <comment>One row of the turn list: the manoeuvre and two lines of text.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>TurnListScreenClass</name>
    <message>
        <source>Turn List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The turn list of the active route, with its sort choice in the bottom bar.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Shows the vertical (elevation) profile of a track.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>VideoTestScreenClass</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The video test dialog: the named, sized root and nothing in it.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WaypointPopUpClass</name>
    <message>
        <source></source>
        <comment>The waypoint bubble on the map, with its Go button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A new waypoint projected from the current location by bearing and distance.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WptCreateScreenClass</name>
    <message>
        <source>Create New Waypoint From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The choice of where a new waypoint comes from.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Distance, direction and elevation figures of one waypoint.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WptDataScreenClass</name>
    <message>
        <source>01/01/2010 00:00:00</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The header screen of one waypoint: two-part title and a bottom bar for viewing or creating.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WptDescriptionScreenClass</name>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>A waypoint&apos;s description under its panel button.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The waypoint detail menu: one panel button per sub-screen.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WptListItem</name>
    <message>
        <source></source>
        <comment>One row of the waypoint list: type icon with marks, name, distance, height, direction and Go.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>The waypoint list: title button with counters, the list, and a bottom bar ending in the menu or Next&gt;.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A waypoint&apos;s coordinates, datums and elevation in a scroll area.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>A waypoint&apos;s options: routing selectors, settings, source and Delete.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>WptPicturesScreenClass</name>
    <message>
        <source>01/01/2010 00:00:00</source>
        <extracomment>Sample content, replaced by the host at run time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>The pictures screen of one waypoint: the header&apos;s title and bottom bar; the pictures are the host&apos;s.</comment>
        <translation></translation>
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
    <message>
        <source></source>
        <comment>Sorting and filtering the waypoint list: the filter, four sort choices and the name search.</comment>
        <translation></translation>
    </message>
</context>
</TS>
