<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
    <name>FileListItemClass</name>
    <message>
        <source>Name</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(0, 0, 0, 0);</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>background-color: rgba(0, 0, 0, 0);</source>
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
    <name>MapVehicleModeScreenClass</name>
    <message>
        <source>CURRENT STREET NAME</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#DIST</source>
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
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
