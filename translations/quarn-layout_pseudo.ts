<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>AbAddAddressScreenClass</name>
        <message>
            <source>Add Address</source>
            <translation>[Åďď Åďďŕéšš···]</translation>
        </message>
        <message>
            <source/>
            <comment>The menu of ways to add an address.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbAddressListScreenClass</name>
        <message>
            <source/>
            <comment>One address-book contact: addresses with Go, phones and notes, with Delete or Save in the bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbAddressScreenClass</name>
        <message>
            <source>Address</source>
            <translation>[Åďďŕéšš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The address menu of the address book: header strip over a list the host fills.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbContactItem</name>
        <message>
            <source/>
            <comment>One row of the contact list: icon, name and address lines, and Go.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbContactListScreenClass</name>
        <message>
            <source>Name</source>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source>Address Book</source>
            <translation>[Åďďŕéšš Bööķ···]</translation>
        </message>
        <message>
            <source/>
            <comment>The contact list of the address book with its header strip and counters.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbPrevDestItem</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the previous-destination list: icon and two address lines.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AbPrevDestListScreenClass</name>
        <message>
            <source>Previous Destinations</source>
            <translation>[Pŕévíöüš Ďéšţíñáţíöñš·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of previous destinations with its header strip and counters.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ActiveTrackHeaderItemClass</name>
        <message>
            <source/>
            <comment>The header of the active track (240 × 46).</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AddressEnterScreenClass</name>
        <message>
            <source>AddressEnterScreen</source>
            <translation>[ÅďďŕéššÉñţéŕŠçŕééñ······]</translation>
        </message>
        <message>
            <source/>
            <comment>Address entry: the entry field with backspace over the keyboard, and the region selector.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AddressListClass</name>
        <message>
            <source>AddressList</source>
            <translation>[ÅďďŕéššĹíšţ···]</translation>
        </message>
        <message>
            <source>Select</source>
            <translation>[Šéĺéçţ·]</translation>
        </message>
        <message>
            <source/>
            <comment>The result list of an address search with its sort-type button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AddressListItemClass</name>
        <message>
            <source>AddressListItem</source>
            <translation>[ÅďďŕéššĹíšţÎţém····]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the address result list: name and address beside the distance.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AddressRegionListClass</name>
        <message>
            <source>Regions</source>
            <translation>[Ŕéğíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of regions for address search.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AddressRegionListItem</name>
        <message>
            <source/>
            <comment>One row of the region list: the region name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AlarmClockDetailScreenClass</name>
        <message>
            <source>OFF</source>
            <translation>[ÖFF]</translation>
        </message>
        <message>
            <source/>
            <comment>The details of one alarm.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AlarmClockListItem</name>
        <message>
            <source/>
            <comment>One row of the alarm list; root properties as in the tools row.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AlarmClockListScreenClass</name>
        <message>
            <source>Alarms</source>
            <translation>[Åĺáŕmš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of alarms.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AnimatedHighlightClass</name>
        <message>
            <source/>
            <comment>An animated highlight: four frames around a centre point; no children.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AreaCaclulateScreenClass</name>
        <message>
            <source>Area Calculation</source>
            <translation>[Åŕéá Çáĺçüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source>Walk around the perimeter</source>
            <translation>[Ŵáĺķ áŕöüñď ţĥé péŕíméţéŕ········]</translation>
        </message>
        <message>
            <source>Select Points</source>
            <translation>[Šéĺéçţ Pöíñţš····]</translation>
        </message>
        <message>
            <source/>
            <comment>The choice of how to define the area.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AreaCalcScreenClass</name>
        <message>
            <source>AreaCalcScreen</source>
            <translation>[ÅŕéáÇáĺçŠçŕééñ····]</translation>
        </message>
        <message>
            <source>Area       Calculation</source>
            <translation>[Åŕéá       Çáĺçüĺáţíöñ·······]</translation>
        </message>
        <message>
            <source>Clear Active Track?</source>
            <translation>[Çĺéáŕ Åçţívé Ţŕáçķ?······]</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>[Ýéš]</translation>
        </message>
        <message>
            <source>No</source>
            <translation>[Ñö]</translation>
        </message>
        <message>
            <source/>
            <comment>The confirmation popup of the area calculation.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AreaCalculationScreenClass</name>
        <message>
            <source>Perimeter:</source>
            <translation>[Péŕíméţéŕ:··]</translation>
        </message>
        <message>
            <source>Area:</source>
            <translation>[Åŕéá:]</translation>
        </message>
        <message>
            <source>Area Calculation</source>
            <translation>[Åŕéá Çáĺçüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The result of the area calculation.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AreaPointsScreenClass</name>
        <message>
            <source>AreaPointsScreen</source>
            <translation>[ÅŕéáPöíñţšŠçŕééñ·····]</translation>
        </message>
        <message>
            <source>Area Calculation 1</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Åŕéá Çáĺçüĺáţíöñ 1······]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of the area's points.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>AudioTestScreenClass</name>
        <message>
            <source>Dialog</source>
            <translation>[Ďíáĺöğ·]</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>[ÖĶ]</translation>
        </message>
        <message>
            <source>Audio Test</source>
            <translation>[Åüďíö Ţéšţ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The audio test dialog: a title and one OK button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BarometerCalibScreenClass</name>
        <message>
            <source>Sea Level Pressure</source>
            <translation>[Šéá Ĺévéĺ Pŕéššüŕé······]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source>Enter a known elevation or sea level pressure</source>
            <translation>[Éñţéŕ á ķñöŵñ éĺéváţíöñ öŕ šéá ĺévéĺ pŕéššüŕé················]</translation>
        </message>
        <message>
            <source>Calibrate Barometer/Altimeter</source>
            <translation>[Çáĺíbŕáţé Báŕöméţéŕ/Åĺţíméţéŕ··········]</translation>
        </message>
        <message>
            <source>Current Barometric Altitude</source>
            <translation>[Çüŕŕéñţ Báŕöméţŕíç Åĺţíţüďé·········]</translation>
        </message>
        <message>
            <source>0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0]</translation>
        </message>
        <message>
            <source>Current Elevation</source>
            <translation>[Çüŕŕéñţ Éĺéváţíöñ·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Barometer and altimeter calibration from a known elevation or sea-level pressure.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BravikEditItemScrClass</name>
        <message>
            <source>Edit Bravik</source>
            <translation>[Éďíţ Bŕávíķ···]</translation>
        </message>
        <message>
            <source>Name:</source>
            <translation>[Ñámé:]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>e.g., work address</source>
            <translation>[é.ğ., ŵöŕķ áďďŕéšš······]</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>[Šéáŕçĥ·]</translation>
        </message>
        <message>
            <source>e.g., nearest Geocache</source>
            <translation>[é.ğ., ñéáŕéšţ Ğéöçáçĥé·······]</translation>
        </message>
        <message>
            <source>Function</source>
            <translation>[Füñçţíöñ··]</translation>
        </message>
        <message>
            <source>e.g., Compass</source>
            <translation>[é.ğ., Çömpášš····]</translation>
        </message>
        <message>
            <source>Reassign Type:</source>
            <translation>[Ŕéáššíğñ Ţýpé:····]</translation>
        </message>
        <message>
            <source/>
            <comment>The editor of one shortcut button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BravikFunctionListScrClass</name>
        <message>
            <source>Functions</source>
            <translation>[Füñçţíöñš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of functions for a shortcut button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BravikHardwareButtonsScrClass</name>
        <message>
            <source>Assign Button Function</source>
            <translation>[Åššíğñ Büţţöñ Füñçţíöñ·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The assignment of functions to the two hardware buttons.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BravikMainScrClass</name>
        <message>
            <source>Click icon to edit...</source>
            <translation>[Çĺíçķ íçöñ ţö éďíţ...·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The grid of shortcut buttons.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>BrightnessPopupScreenClass</name>
        <message>
            <source>Volume</source>
            <translation>[Vöĺümé·]</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>[Bŕíğĥţñéšš··]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Connect to PC</source>
            <translation>[Çöññéçţ ţö PÇ····]</translation>
        </message>
        <message>
            <source>Suspend</source>
            <translation>[Šüšpéñď·]</translation>
        </message>
        <message>
            <source>Sleep</source>
            <translation>[Šĺéép]</translation>
        </message>
        <message>
            <source>Power OFF</source>
            <translation>[Pöŵéŕ ÖFF··]</translation>
        </message>
        <message>
            <source/>
            <comment>The power popup: connect, suspend, sleep and power off, with volume and brightness.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CalcPosScreenClass</name>
        <message>
            <source>Calculating</source>
            <translation>[Çáĺçüĺáţíñğ···]</translation>
        </message>
        <message>
            <source>Calculating average position.</source>
            <translation>[Çáĺçüĺáţíñğ ávéŕáğé pöšíţíöñ.··········]</translation>
        </message>
        <message>
            <source>Please wait...</source>
            <translation>[Pĺéášé ŵáíţ...····]</translation>
        </message>
        <message>
            <source>sec</source>
            <translation>[šéç]</translation>
        </message>
        <message>
            <source>Position</source>
            <translation>[Pöšíţíöñ··]</translation>
        </message>
        <message>
            <source>Lat:</source>
            <translation>[Ĺáţ:]</translation>
        </message>
        <message>
            <source>Long:</source>
            <translation>[Ĺöñğ:]</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>[Ďöñé]</translation>
        </message>
        <message>
            <source>Estimated Accuracy:</source>
            <translation>[Éšţímáţéď Åççüŕáçý:······]</translation>
        </message>
        <message>
            <source/>
            <comment>The position-averaging popup: progress, estimated accuracy, the averaged position and a radar ping.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ColorSelectionScreenClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>[Çöĺöŕ]</translation>
        </message>
        <message>
            <source/>
            <comment>The popup palette of twelve colours to choose from.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CompassCalib3DScrClass</name>
        <message>
            <source>Start</source>
            <translation>[Šţáŕţ]</translation>
        </message>
        <message>
            <source>Electronic Compass 3D Calibration</source>
            <translation>[Éĺéçţŕöñíç Çömpášš 3Ď Çáĺíbŕáţíöñ············]</translation>
        </message>
        <message>
            <source>Move the unit in a figure&lt;br>8 motion while twisting&lt;br>the wrist.</source>
            <translation>[Mövé ţĥé üñíţ íñ á fíğüŕé&lt;bŕ>8 möţíöñ ŵĥíĺé ţŵíšţíñğ&lt;bŕ>ţĥé ŵŕíšţ.·························]</translation>
        </message>
        <message>
            <source/>
            <comment>The 3D compass calibration: the figure-8 instruction and animation, started from the bottom bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CompassCalibTraditionalScrClass</name>
        <message>
            <source>Start</source>
            <translation>[Šţáŕţ]</translation>
        </message>
        <message>
            <source>Place device on horizontal&lt;br>surface far from metallic parts&lt;br>and slowly rotate it.&lt;br>Keep arrow directed to you.</source>
            <translation>[Pĺáçé ďévíçé öñ ĥöŕížöñţáĺ&lt;bŕ>šüŕfáçé fáŕ fŕöm méţáĺĺíç páŕţš&lt;bŕ>áñď šĺöŵĺý ŕöţáţé íţ.&lt;bŕ>Ķéép áŕŕöŵ ďíŕéçţéď ţö ýöü.·············································]</translation>
        </message>
        <message>
            <source>Electronic compass 2D Traditional Calibration</source>
            <translation>[Éĺéçţŕöñíç çömpášš 2Ď Ţŕáďíţíöñáĺ Çáĺíbŕáţíöñ················]</translation>
        </message>
        <message>
            <source/>
            <comment>The traditional 2D compass calibration: rotate the unit flat, keeping the blue arrow towards you.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CompassCalibrateScreenClass</name>
        <message>
            <source>Calibrate Electronic Compass</source>
            <translation>[Çáĺíbŕáţé Éĺéçţŕöñíç Çömpášš··········]</translation>
        </message>
        <message>
            <source>Move the unit in a figure 8 motion while twisting the wrist until you hear the alarm.</source>
            <translation>[Mövé ţĥé üñíţ íñ á fíğüŕé 8 möţíöñ ŵĥíĺé ţŵíšţíñğ ţĥé ŵŕíšţ üñţíĺ ýöü ĥéáŕ ţĥé áĺáŕm.································]</translation>
        </message>
        <message>
            <source/>
            <comment>Compass calibration by the figure-8 motion: title, instruction and the motion's animation.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ConnectedPCScreenClass</name>
        <message>
            <source>Connected to PC</source>
            <translation>[Çöññéçţéď ţö PÇ····]</translation>
        </message>
        <message>
            <source>Waiting to Connect...</source>
            <translation>[Ŵáíţíñğ ţö Çöññéçţ...·······]</translation>
        </message>
        <message>
            <source>Press Back to Cancel</source>
            <translation>[Pŕéšš Báçķ ţö Çáñçéĺ······]</translation>
        </message>
        <message>
            <source/>
            <comment>Shown while the unit connects to a PC.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ContextMenuItem</name>
        <message>
            <source/>
            <comment>One entry of the options menu: icon and label on a button-like root.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CoordEditorClass</name>
        <message>
            <source>Coordinate Editor</source>
            <translation>[Çööŕďíñáţé Éďíţöŕ·····]</translation>
        </message>
        <message>
            <source>QLineEdit
{ 
	border-style: none;
	background-color: rgba(0, 0, 0, 0);
}
</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>QLineEdit
{ 
	border-style: none;
	background-color: rgba(0, 0, 0, 0);
}
</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_KB_EntryField_01.mif</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_Dashboard_Field_113x45.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_Dashboard_Field_113x45.mif</translation>
        </message>
        <message>
            <source/>
            <comment>The editor of one coordinate value: input line over the on-screen keyboard.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CoordEntryScreenClass</name>
        <message>
            <source>Coordinate Entry</source>
            <translation>[Çööŕďíñáţé Éñţŕý·····]</translation>
        </message>
        <message>
            <source>Primary: </source>
            <translation>[Pŕímáŕý: ··]</translation>
        </message>
        <message>
            <source>Datum: </source>
            <translation>[Ďáţüm: ·]</translation>
        </message>
        <message>
            <source/>
            <comment>Coordinate entry, under the coordinate system and datum in use.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CurrTblItemClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source/>
            <comment>One day of the current table: the date over rows of type, time and comment, in the host's field order.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>CurrTblScreenClass</name>
        <message>
            <source>Current station</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Çüŕŕéñţ šţáţíöñ····]</translation>
        </message>
        <message>
            <source>Date anchored</source>
            <translation>[Ďáţé áñçĥöŕéď····]</translation>
        </message>
        <message>
            <source/>
            <comment>The current table of a station: its day entries under the station and date titles.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardBarometerScrClass</name>
        <message>
            <source>Current:</source>
            <translation>[Çüŕŕéñţ:··]</translation>
        </message>
        <message>
            <source>Change:</source>
            <translation>[Çĥáñğé:·]</translation>
        </message>
        <message>
            <source/>
            <comment>The barometer and altimeter graph with zoom buttons and the current and change read-outs.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardCompassPublicScrClass</name>
        <message>
            <source/>
            <comment>A compass dashboard variant: a bar of up to four data fields and the spin box choosing their number.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardCompassScrClass</name>
        <message>
            <source>DashboardCompassScr</source>
            <translation>[ĎášĥböáŕďÇömpáššŠçŕ······]</translation>
        </message>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The full compass dashboard: a 240 px compass above the bottom bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardDataField</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source/>
            <comment>One navigation data field: a pressable background with its title and value.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardFieldsListScrClass</name>
        <message>
            <source>Fields</source>
            <translation>[Fíéĺďš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of values from which the user picks what a data field shows.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardMenuScreenClass</name>
        <message>
            <source>Compass</source>
            <translation>[Çömpášš·]</translation>
        </message>
        <message>
            <source>Road</source>
            <translation>[Ŕöáď]</translation>
        </message>
        <message>
            <source>Strip</source>
            <translation>[Šţŕíp]</translation>
        </message>
        <message>
            <source>Satellite</source>
            <translation>[Šáţéĺĺíţé··]</translation>
        </message>
        <message>
            <source>Barometer</source>
            <translation>[Báŕöméţéŕ··]</translation>
        </message>
        <message>
            <source>Altimeter</source>
            <translation>[Åĺţíméţéŕ··]</translation>
        </message>
        <message>
            <source>Dashboard</source>
            <translation>[Ďášĥböáŕď··]</translation>
        </message>
        <message>
            <source>Data Only</source>
            <translation>[Ďáţá Öñĺý··]</translation>
        </message>
        <message>
            <source>Profiles</source>
            <translation>[Pŕöfíĺéš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The dashboard menu: round buttons for the instrument screens under three caption strips.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardNavFieldsScreenClass</name>
        <message>
            <source/>
            <comment>The data-fields-only dashboard: 1 to 14 data fields filling the screen.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardRoadCompassScrClass</name>
        <message>
            <source>DashboardRoadCompassScr</source>
            <translation>[ĎášĥböáŕďŔöáďÇömpáššŠçŕ········]</translation>
        </message>
        <message>
            <source/>
            <comment>The road compass: a strip compass in road mode with zoom buttons.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardSatelliteScreenClass</name>
        <message>
            <source/>
            <comment>The satellite status view: the sky view over a bar of two data fields.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardScrClass</name>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The main dashboard: small compass, geocache summary and up to eight data fields.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>DashboardStripCompassScrClass</name>
        <message>
            <source/>
            <comment>The strip compass: a horizontal compass strip with needles above the bottom bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>EULAScreenClass</name>
        <message>
            <source>End User License Agreement</source>
            <translation>[Éñď Üšéŕ Ĺíçéñšé Åğŕééméñţ·········]</translation>
        </message>
        <message>
            <source>Accept</source>
            <translation>[Åççépţ·]</translation>
        </message>
        <message>
            <source>Decline</source>
            <translation>[Ďéçĺíñé·]</translation>
        </message>
        <message>
            <source/>
            <comment>The licence agreement with Accept and Decline.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>FileListItemClass</name>
        <message>
            <source>Name</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of a file list: a check-mark icon and the file name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>FishHuntScreenClass</name>
        <message>
            <source>Fish and Hunt</source>
            <translation>[Fíšĥ áñď Ĥüñţ····]</translation>
        </message>
        <message>
            <source>Excellent</source>
            <translation>[Éxçéĺĺéñţ··]</translation>
        </message>
        <message>
            <source>Good</source>
            <translation>[Ğööď]</translation>
        </message>
        <message>
            <source/>
            <comment>The fishing and hunting forecast for a date chosen on the calendar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GcAttributeItemClass</name>
        <message>
            <source>background-color: rgba(255, 255, 255, 0);</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: rgba(255, 255, 255, 0);</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the attribute list. Its minimum size and its event propagation are root properties.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GcAttributesScreenClass</name>
        <message>
            <source>background-color: rgba(223,242,250,160);</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: rgba(223,242,250,160);</translation>
        </message>
        <message>
            <source>Attributes</source>
            <translation>[Åţţŕíbüţéš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The attribute list of the cache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GcSummaryItemClass</name>
        <message>
            <source/>
            <comment>One row of the summary list; the row button's normal and pressed images are root properties.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GcSummaryScreenClass</name>
        <message>
            <source>Geocache Summary</source>
            <translation>[Ğéöçáçĥé Šümmáŕý·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The geocache summary list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeoCacheListItemClass</name>
        <message>
            <source/>
            <comment>One row of the geocache list. The root is the row button; its three state images are given as dynamic properties.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeoCacheListScreenClass</name>
        <message>
            <source>Geocaches</source>
            <translation>[Ğéöçáçĥéš··]</translation>
        </message>
        <message>
            <source>Filter will be here...</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Fíĺţéŕ ŵíĺĺ bé ĥéŕé...·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of geocaches.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheCreateScreenClass</name>
        <message>
            <source>Add Geocache</source>
            <translation>[Åďď Ğéöçáçĥé···]</translation>
        </message>
        <message>
            <source>Difficulty</source>
            <translation>[Ďíffíçüĺţý··]</translation>
        </message>
        <message>
            <source>Terrain</source>
            <translation>[Ţéŕŕáíñ·]</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>[Šížé]</translation>
        </message>
        <message>
            <source/>
            <comment>The screen that creates a geocache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheDDEScreenClass</name>
        <message>
            <source>Distance:</source>
            <translation>[Ďíšţáñçé:··]</translation>
        </message>
        <message>
            <source>Total Ascent:</source>
            <translation>[Ţöţáĺ Åšçéñţ:····]</translation>
        </message>
        <message>
            <source>Total Descent:</source>
            <translation>[Ţöţáĺ Ďéšçéñţ:····]</translation>
        </message>
        <message>
            <source>Bearing:</source>
            <translation>[Béáŕíñğ:··]</translation>
        </message>
        <message>
            <source>Elevation Change:</source>
            <translation>[Éĺéváţíöñ Çĥáñğé:·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The distance, direction and elevation page: distance, elevation change, total descent, total ascent and bearing, each with its value.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheDescriptionScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>The cache description as scrolling text.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheDetailsScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source>Recent Logs</source>
            <translation>[Ŕéçéñţ Ĺöğš···]</translation>
        </message>
        <message>
            <source>Hint</source>
            <translation>[Ĥíñţ]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>Attributes</source>
            <translation>[Åţţŕíbüţéš··]</translation>
        </message>
        <message>
            <source>Stats/History</source>
            <translation>[Šţáţš/Ĥíšţöŕý····]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>[Šížé]</translation>
        </message>
        <message>
            <source>Terrain</source>
            <translation>[Ţéŕŕáíñ·]</translation>
        </message>
        <message>
            <source>Difficulty</source>
            <translation>[Ďíffíçüĺţý··]</translation>
        </message>
        <message>
            <source/>
            <comment>The main page of one geocache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheFilterShowScreenClass</name>
        <message>
            <source>Show All</source>
            <translation>[Šĥöŵ Åĺĺ··]</translation>
        </message>
        <message>
            <source>Only Favorites</source>
            <translation>[Öñĺý Fávöŕíţéš····]</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>[Šĥöŵ]</translation>
        </message>
        <message>
            <source/>
            <comment>The page that chooses between all caches and favourites only.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheFilterSortByClass</name>
        <message>
            <source>Geocache ID</source>
            <translation>[Ğéöçáçĥé ÎĎ···]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>Date Created</source>
            <translation>[Ďáţé Çŕéáţéď···]</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>[Ţýpé]</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source>Sort by</source>
            <translation>[Šöŕţ bý·]</translation>
        </message>
        <message>
            <source/>
            <comment>The sort order page.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheFilterTypeClass</name>
        <message>
            <source>Show</source>
            <translation>[Šĥöŵ]</translation>
        </message>
        <message>
            <source>All</source>
            <translation>[Åĺĺ]</translation>
        </message>
        <message>
            <source>Difficulty:</source>
            <translation>[Ďíffíçüĺţý:···]</translation>
        </message>
        <message>
            <source/>
            <comment>The multiple-choice filter page with its check list. Like the filter overview, it sets images, pixel sizes, contents and flags as properties by name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheFilterTypeItemClass</name>
        <message>
            <source/>
            <comment>One check item of the multiple-choice list. The root is the check button; its mark images, mark position and button images are dynamic properties of the root.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheFiltersScreenClass</name>
        <message>
            <source>Filter</source>
            <translation>[Fíĺţéŕ·]</translation>
        </message>
        <message>
            <source>Next></source>
            <translation>[Ñéxţ>]</translation>
        </message>
        <message>
            <source>Status:</source>
            <translation>[Šţáţüš:·]</translation>
        </message>
        <message>
            <source>Type:</source>
            <translation>[Ţýpé:]</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>[Šížé:]</translation>
        </message>
        <message>
            <source>Terrain:</source>
            <translation>[Ţéŕŕáíñ:··]</translation>
        </message>
        <message>
            <source>Difficulty:</source>
            <translation>[Ďíffíçüĺţý:···]</translation>
        </message>
        <message>
            <source>Sort By:</source>
            <translation>[Šöŕţ Bý:··]</translation>
        </message>
        <message>
            <source>Show:</source>
            <translation>[Šĥöŵ:]</translation>
        </message>
        <message>
            <source>Search by name or ID...</source>
            <translation>[Šéáŕçĥ bý ñámé öŕ ÎĎ...········]</translation>
        </message>
        <message>
            <source/>
            <comment>The filter overview. Every control here takes its images, pixel sizes, contents and flags as properties set by name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheHeaderWidgetClass</name>
        <message>
            <source>By</source>
            <translation>[Bý]</translation>
        </message>
        <message>
            <source/>
            <comment>The header that names one geocache; its background image is the root's dynamic property `image`.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheHintScreenClass</name>
        <message>
            <source>Hint</source>
            <translation>[Ĥíñţ]</translation>
        </message>
        <message>
            <source/>
            <comment>The hint, as scrolling text.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheHistoryScreenClass</name>
        <message>
            <source>Stats/History</source>
            <translation>[Šţáţš/Ĥíšţöŕý····]</translation>
        </message>
        <message>
            <source/>
            <comment>The stats and history text of the cache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheLocationScreenClass</name>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>Primary: </source>
            <translation>[Pŕímáŕý: ··]</translation>
        </message>
        <message>
            <source>Datum: </source>
            <translation>[Ďáţüm: ·]</translation>
        </message>
        <message>
            <source>Secondary: </source>
            <translation>[Šéçöñďáŕý: ···]</translation>
        </message>
        <message>
            <source>Datum:</source>
            <translation>[Ďáţüm:·]</translation>
        </message>
        <message>
            <source>Elevation:</source>
            <translation>[Éĺéváţíöñ:··]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source/>
            <comment>The cache position in the primary and the secondary coordinate format, each with its datum, and the elevation.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheLogScreenClass</name>
        <message>
            <source>Recent Logs</source>
            <translation>[Ŕéçéñţ Ĺöğš···]</translation>
        </message>
        <message>
            <source/>
            <comment>The recent logs of the cache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheOptionsScreenClass</name>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>[Šéţţíñğš··]</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>[Ďéĺéţé·]</translation>
        </message>
        <message>
            <source/>
            <comment>The routing options of the cache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocachePicturesScreenClass</name>
        <message>
            <source/>
            <comment>The pictures page; the form provides only the header area and the bottom bar, and the host fills the rest of the screen.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocachePopUpClass</name>
        <message>
            <source>(Dif/Terr)</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[(Ďíf/Ţéŕŕ)··]</translation>
        </message>
        <message>
            <source/>
            <comment>The geocache bubble on the map, with its Go button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GeocacheStatusScreenClass</name>
        <message>
            <source>Found</source>
            <translation>[Föüñď]</translation>
        </message>
        <message>
            <source>Not Found</source>
            <translation>[Ñöţ Föüñď··]</translation>
        </message>
        <message>
            <source>Needs Maintenance</source>
            <translation>[Ñééďš Máíñţéñáñçé·····]</translation>
        </message>
        <message>
            <source>Add a Field Note</source>
            <translation>[Åďď á Fíéĺď Ñöţé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The user's status for the cache.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GotoRoutePtListItemClass</name>
        <message>
            <source>GotoRoutePtListItem</source>
            <translation>[ĞöţöŔöüţéPţĹíšţÎţém······]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the go-to-route-point list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>GotoRoutePtListScreenClass</name>
        <message>
            <source>Goto Route Point</source>
            <translation>[Ğöţö Ŕöüţé Pöíñţ·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Lets the user choose the route point to go to.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>HTMLViewerScreenClass</name>
        <message>
            <source/>
            <comment>A viewer of HTML text with page buttons.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>HiddenAutoTestScreenClass</name>
        <message>
            <source>Auto Test</source>
            <translation>[Åüţö Ţéšţ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The automatic test list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>HiddenMenuScreenClass</name>
        <message>
            <source>Hidden Menu</source>
            <translation>[Ĥíďďéñ Méñü···]</translation>
        </message>
        <message>
            <source/>
            <comment>The service menu: a list of service entries.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>HiddenSirfSettingScreenClass</name>
        <message>
            <source>SIRF Settings</source>
            <translation>[ŠÎŔF Šéţţíñğš····]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source>SNR mask</source>
            <translation>[ŠÑŔ mášķ··]</translation>
        </message>
        <message>
            <source>Elevation mask</source>
            <translation>[Éĺéváţíöñ mášķ····]</translation>
        </message>
        <message>
            <source>DOP mask</source>
            <translation>[ĎÖP mášķ··]</translation>
        </message>
        <message>
            <source>Static mode</source>
            <translation>[Šţáţíç möďé···]</translation>
        </message>
        <message>
            <source>Track smoothing</source>
            <translation>[Ţŕáçķ šmööţĥíñğ····]</translation>
        </message>
        <message>
            <source>Status:    Updated</source>
            <translation>[Šţáţüš:    Üpďáţéď······]</translation>
        </message>
        <message>
            <source>Apply</source>
            <translation>[Åppĺý]</translation>
        </message>
        <message>
            <source>Cold reset</source>
            <translation>[Çöĺď ŕéšéţ··]</translation>
        </message>
        <message>
            <source>Factory reset</source>
            <translation>[Fáçţöŕý ŕéšéţ····]</translation>
        </message>
        <message>
            <source>Vehicle mode</source>
            <translation>[Véĥíçĺé möďé···]</translation>
        </message>
        <message>
            <source>Walking mode</source>
            <translation>[Ŵáĺķíñğ möďé···]</translation>
        </message>
        <message>
            <source>Get</source>
            <translation>[Ğéţ]</translation>
        </message>
        <message>
            <source/>
            <comment>The GPS receiver settings: masks, switches and receiver commands.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>IconSelectorScreenClass</name>
        <message>
            <source>Select Icon</source>
            <translation>[Šéĺéçţ Îçöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>The popup grid of icons to choose from.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ImageFlickingScreenClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source>Default</source>
            <translation>[Ďéfáüĺţ·]</translation>
        </message>
        <message>
            <source/>
            <comment>The image viewer.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ImportFromScreenClass</name>
        <message>
            <source>ImportFromScreen</source>
            <translation>[ÎmpöŕţFŕömŠçŕééñ·····]</translation>
        </message>
        <message>
            <source>Import From</source>
            <translation>[Împöŕţ Fŕöm···]</translation>
        </message>
        <message>
            <source>SD Card</source>
            <translation>[ŠĎ Çáŕď·]</translation>
        </message>
        <message>
            <source>Device</source>
            <translation>[Ďévíçé·]</translation>
        </message>
        <message>
            <source/>
            <comment>The popup that chooses the import source.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ImportListScreenClass</name>
        <message>
            <source>Import from Device</source>
            <translation>[Împöŕţ fŕöm Ďévíçé······]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of importable items.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>LocationPaneWidgetClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source>Elevation:</source>
            <translation>[Éĺéváţíöñ:··]</translation>
        </message>
        <message>
            <source>Lat:</source>
            <translation>[Ĺáţ:]</translation>
        </message>
        <message>
            <source>Long:</source>
            <translation>[Ĺöñğ:]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source/>
            <comment>A location pane that other screens embed: a Location header over a card with latitude, longitude and elevation.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>LockScreenClass</name>
        <message>
            <source>Screen Lock</source>
            <translation>[Šçŕééñ Ĺöçķ···]</translation>
        </message>
        <message>
            <source>Slide button to the right</source>
            <translation>[Šĺíďé büţţöñ ţö ţĥé ŕíğĥţ········]</translation>
        </message>
        <message>
            <source>to unlock</source>
            <translation>[ţö üñĺöçķ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The modal screen lock with its slide-to-unlock button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MainMenuScreenClass</name>
        <message>
            <source>Start</source>
            <translation>[Šţáŕţ]</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>[Šávé]</translation>
        </message>
        <message>
            <source>Waypoints</source>
            <translation>[Ŵáýpöíñţš··]</translation>
        </message>
        <message>
            <source>Tracks</source>
            <translation>[Ţŕáçķš·]</translation>
        </message>
        <message>
            <source>Maps</source>
            <translation>[Mápš]</translation>
        </message>
        <message>
            <source>Geocaches</source>
            <translation>[Ğéöçáçĥéš··]</translation>
        </message>
        <message>
            <source>Routes</source>
            <translation>[Ŕöüţéš·]</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>[Åďďŕéšš·]</translation>
        </message>
        <message>
            <source>Media</source>
            <translation>[Méďíá]</translation>
        </message>
        <message>
            <source>POI</source>
            <translation>[PÖÎ]</translation>
        </message>
        <message>
            <source/>
            <comment>The home menu: three rows of round buttons, each with a caption strip, over the bottom bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapAreaScreenClass</name>
        <message>
            <source>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</translation>
        </message>
        <message>
            <source>background-color: rgba(0, 0, 0, 0);</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: rgba(0, 0, 0, 0);</translation>
        </message>
        <message>
            <source>Area</source>
            <translation>[Åŕéá]</translation>
        </message>
        <message>
            <source>Perimeter</source>
            <translation>[Péŕíméţéŕ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The map while an area is measured: area and perimeter over a shaded band, zoom, scale bar, Back and menu.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapControlsScreenClass</name>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The map with its control panels: Dashboard and Bravik above, Main and menu below, zoom, scale bar and compass.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapMultiPointsScreenClass</name>
        <message>
            <source/>
            <comment>The map for picking several points: coordinates at the top, zoom, scale bar, Back and OK.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapPanScreenClass</name>
        <message>
            <source>GO</source>
            <translation>[ĞÖ]</translation>
        </message>
        <message>
            <source/>
            <comment>The map in pan mode: the plain view's furniture, scale bar and GO before the zoom buttons.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapPreviewScreenClass</name>
        <message>
            <source>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: qlineargradient(spread:pad, x1:0.5, y1:0.8, x2:0.5, y2:1, stop:0 rgba(0, 0, 0, 180), stop:1 rgba(0,0,0, 0));</translation>
        </message>
        <message>
            <source>background-color: rgba(0, 0, 0, 0);</source>
            <extracomment>Style sheet, not prose; keep it unless the language needs another look.</extracomment>
            <translation>background-color: rgba(0, 0, 0, 0);</translation>
        </message>
        <message>
            <source>GO</source>
            <translation>[ĞÖ]</translation>
        </message>
        <message>
            <source/>
            <comment>A destination previewed before navigation: distance, name and description over the map, zoom, GO, route options.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapRegularScreenClass</name>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The map with a bar of data fields along its lower edge, compass, zoom and scale bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_ButtonItemClass</name>
        <message>
            <source/>
            <comment>One row of the map file list: check box, map icon with badges, name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_DetailsScreenClass</name>
        <message>
            <source>Details</source>
            <translation>[Ďéţáíĺš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The details of one map, with its brand icon.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_FileListScreenClass</name>
        <message>
            <source>Maps</source>
            <translation>[Mápš]</translation>
        </message>
        <message>
            <source/>
            <comment>The third level of map selection: the map files of one subtype, each switched on or off.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_SubTypeListItemClass</name>
        <message>
            <source/>
            <comment>One row of the map type and subtype lists: icon and name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_SubTypeListScreenClass</name>
        <message>
            <source>Maps</source>
            <translation>[Mápš]</translation>
        </message>
        <message>
            <source/>
            <comment>The second level of map selection: the subtypes of one map type.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapSel_TypeListScreenClass</name>
        <message>
            <source>No maps found</source>
            <translation>[Ñö mápš föüñď····]</translation>
        </message>
        <message>
            <source>Maps</source>
            <translation>[Mápš]</translation>
        </message>
        <message>
            <source/>
            <comment>The first level of map selection: the map types, with a panel for no maps.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapVehicleModeScreenClass</name>
        <message>
            <source>CURRENT STREET NAME</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[ÇÜŔŔÉÑŢ ŠŢŔÉÉŢ ÑÅMÉ······]</translation>
        </message>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The map in vehicle mode: current street at the top, zoom, compass and the data-field bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapVehicleRouteScreenClass</name>
        <message>
            <source>CURRENT STREET NAME</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[ÇÜŔŔÉÑŢ ŠŢŔÉÉŢ ÑÅMÉ······]</translation>
        </message>
        <message>
            <source>#DIST</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[#ĎÎŠŢ]</translation>
        </message>
        <message>
            <source>N</source>
            <translation>[Ñ]</translation>
        </message>
        <message>
            <source>W</source>
            <translation>[Ŵ]</translation>
        </message>
        <message>
            <source>S</source>
            <translation>[Š]</translation>
        </message>
        <message>
            <source>E</source>
            <translation>[É]</translation>
        </message>
        <message>
            <source/>
            <comment>The map following a route in vehicle mode: distance, next manoeuvre and its arrow at the top, zoom, compass, data fields.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MapViewScreenClass</name>
        <message>
            <source>GO</source>
            <translation>[ĞÖ]</translation>
        </message>
        <message>
            <source/>
            <comment>The plain map view: north-up indicator, zoom, scale bar, GO, coordinates at the top, Back and menu below.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaAttachmentBrowserBaseClass</name>
        <message>
            <source>Long</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺöñğ]</translation>
        </message>
        <message>
            <source>Lat</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺáţ]</translation>
        </message>
        <message>
            <source>Format:</source>
            <translation>[Föŕmáţ:·]</translation>
        </message>
        <message>
            <source>Time:</source>
            <translation>[Ţímé:]</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>[Ďáţé:]</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>[Šížé:]</translation>
        </message>
        <message>
            <source>File Name:</source>
            <translation>[Fíĺé Ñámé:··]</translation>
        </message>
        <message>
            <source>Duration:</source>
            <translation>[Ďüŕáţíöñ:··]</translation>
        </message>
        <message>
            <source/>
            <comment>The browser of the media attached to an object.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaCameraScreenClass</name>
        <message>
            <source/>
            <comment>The camera view.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaDetailsScreenClass</name>
        <message>
            <source>MediaDetailsScreen</source>
            <translation>[MéďíáĎéţáíĺšŠçŕééñ······]</translation>
        </message>
        <message>
            <source>Long</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺöñğ]</translation>
        </message>
        <message>
            <source>Lat</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺáţ]</translation>
        </message>
        <message>
            <source>Format:</source>
            <translation>[Föŕmáţ:·]</translation>
        </message>
        <message>
            <source>Time:</source>
            <translation>[Ţímé:]</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>[Ďáţé:]</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>[Šížé:]</translation>
        </message>
        <message>
            <source>File Name:</source>
            <translation>[Fíĺé Ñámé:··]</translation>
        </message>
        <message>
            <source>Duration:</source>
            <translation>[Ďüŕáţíöñ:··]</translation>
        </message>
        <message>
            <source/>
            <comment>The details of one media file.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaPhotoPadScreenClass</name>
        <message>
            <source/>
            <comment>The photo pad with a rotate button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaPhotoViewScreenClass</name>
        <message>
            <source/>
            <comment>The photo view.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaPlayVideoScreenClass</name>
        <message>
            <source/>
            <comment>The video player.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaPopUpClass</name>
        <message>
            <source/>
            <comment>The media bubble on the map, with its Go button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaScreenClass</name>
        <message>
            <source>Photos</source>
            <translation>[Pĥöţöš·]</translation>
        </message>
        <message>
            <source>Camera</source>
            <translation>[Çáméŕá·]</translation>
        </message>
        <message>
            <source>Record Memo</source>
            <translation>[Ŕéçöŕď Mémö···]</translation>
        </message>
        <message>
            <source>Voice Memos</source>
            <translation>[Vöíçé Mémöš···]</translation>
        </message>
        <message>
            <source>Record Video</source>
            <translation>[Ŕéçöŕď Víďéö···]</translation>
        </message>
        <message>
            <source>Videos</source>
            <translation>[Víďéöš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The media menu.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaSettingsScreenClass</name>
        <message>
            <source>Media Settings</source>
            <translation>[Méďíá Šéţţíñğš····]</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>[Šížé]</translation>
        </message>
        <message>
            <source>Sort by</source>
            <translation>[Šöŕţ bý·]</translation>
        </message>
        <message>
            <source>Quality</source>
            <translation>[Qüáĺíţý·]</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>[Möďé]</translation>
        </message>
        <message>
            <source>Save Photos On</source>
            <translation>[Šávé Pĥöţöš Öñ····]</translation>
        </message>
        <message>
            <source/>
            <comment>The media settings.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaVideoThumbScreenClass</name>
        <message>
            <source>MediaVideoThumbScreen</source>
            <translation>[MéďíáVíďéöŢĥümbŠçŕééñ·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The video thumbnail page.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaVoiceMemoDetailsScreenClass</name>
        <message>
            <source>MediaVoiceMemoDetailsScreen</source>
            <translation>[MéďíáVöíçéMémöĎéţáíĺšŠçŕééñ·········]</translation>
        </message>
        <message>
            <source>Voice Memo</source>
            <translation>[Vöíçé Mémö··]</translation>
        </message>
        <message>
            <source>Long</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺöñğ]</translation>
        </message>
        <message>
            <source>Lat</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺáţ]</translation>
        </message>
        <message>
            <source>Format:</source>
            <translation>[Föŕmáţ:·]</translation>
        </message>
        <message>
            <source>Date:</source>
            <translation>[Ďáţé:]</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>[Šížé:]</translation>
        </message>
        <message>
            <source>File Name:</source>
            <translation>[Fíĺé Ñámé:··]</translation>
        </message>
        <message>
            <source>Duration:</source>
            <translation>[Ďüŕáţíöñ:··]</translation>
        </message>
        <message>
            <source/>
            <comment>The player and details of one voice memo.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaVoiceMemoListItemClass</name>
        <message>
            <source/>
            <comment>One row of the voice memo list; the row button's normal and pressed images and its event propagation are root properties.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaVoiceMemoListScreenClass</name>
        <message>
            <source>Voice Memos</source>
            <translation>[Vöíçé Mémöš···]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of voice memos.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>MediaVoiceMemoRecScreenClass</name>
        <message>
            <source>MediaVoiceMemoRecScreen</source>
            <translation>[MéďíáVöíçéMémöŔéçŠçŕééñ········]</translation>
        </message>
        <message>
            <source>Voice Memo</source>
            <translation>[Vöíçé Mémö··]</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>[Ŕéáďý]</translation>
        </message>
        <message>
            <source/>
            <comment>The voice memo recorder.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>NavCurrentsScreenClass</name>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>N/I</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñ/Î]</translation>
        </message>
        <message>
            <source>0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0]</translation>
        </message>
        <message>
            <source>No Data</source>
            <translation>[Ñö Ďáţá·]</translation>
        </message>
        <message>
            <source/>
            <comment>The water current predicted at the destination while navigating, with its graph over time.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>NavFieldsListItem</name>
        <message>
            <source/>
            <comment>One row of the data-field list: icon, field name, current value and the selection mark.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>NearByTypeScreenClass</name>
        <message>
            <source>NearByTypeScreen</source>
            <translation>[ÑéáŕBýŢýpéŠçŕééñ·····]</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>[ÖĶ]</translation>
        </message>
        <message>
            <source>Search Nearby</source>
            <translation>[Šéáŕçĥ Ñéáŕbý····]</translation>
        </message>
        <message>
            <source>Waypoints</source>
            <translation>[Ŵáýpöíñţš··]</translation>
        </message>
        <message>
            <source>Geocaches</source>
            <translation>[Ğéöçáçĥéš··]</translation>
        </message>
        <message>
            <source>POI</source>
            <translation>[PÖÎ]</translation>
        </message>
        <message>
            <source>Tracks</source>
            <translation>[Ţŕáçķš·]</translation>
        </message>
        <message>
            <source>Routes</source>
            <translation>[Ŕöüţéš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The object types of a nearby search, one check button each, with OK.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>NearestObjectsListItemClass</name>
        <message>
            <source/>
            <comment>One row of the nearest-object list: icon, name and a small Go.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>NearestObjectsListScreenClass</name>
        <message>
            <source>Found Objects</source>
            <translation>[Föüñď Öbĵéçţš····]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of found nearest objects with its header strip and counters.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ObjectQuickInfoPopUpClass</name>
        <message>
            <source/>
            <comment>The bubble of a map object: a new-waypoint button with the read-outs, and Go.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POICategoryListItemClass</name>
        <message>
            <source>POIRootCtgListItem</source>
            <translation>[PÖÎŔööţÇţğĹíšţÎţém······]</translation>
        </message>
        <message>
            <source>Text</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ţéxţ]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the category list: icon and caption.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POICategoryListScreenClass</name>
        <message>
            <source>Points of interest</source>
            <translation>[Pöíñţš öf íñţéŕéšţ······]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>No categories found</source>
            <translation>[Ñö çáţéğöŕíéš föüñď······]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of point-of-interest categories with its title and empty-list message.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIDDEScreenClass</name>
        <message>
            <source>Distance:</source>
            <translation>[Ďíšţáñçé:··]</translation>
        </message>
        <message>
            <source>Total Ascent:</source>
            <translation>[Ţöţáĺ Åšçéñţ:····]</translation>
        </message>
        <message>
            <source>Total Descent:</source>
            <translation>[Ţöţáĺ Ďéšçéñţ:····]</translation>
        </message>
        <message>
            <source>Bearing:</source>
            <translation>[Béáŕíñğ:··]</translation>
        </message>
        <message>
            <source>Elevation Change:</source>
            <translation>[Éĺéváţíöñ Çĥáñğé:·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Distance, direction and elevation figures of a point of interest.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIDescriptionScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>A point of interest's description under its panel button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIDetailScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>Pictures</source>
            <translation>[Píçţüŕéš··]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The point-of-interest detail menu: one panel button per sub-screen.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIHeaderItemClass</name>
        <message>
            <source>POIHeaderItem</source>
            <translation>[PÖÎĤéáďéŕÎţém····]</translation>
        </message>
        <message>
            <source/>
            <comment>The header of a point of interest's screens: icon and name on the title strip.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIListItemClass</name>
        <message>
            <source>POIListITem</source>
            <translation>[PÖÎĹíšţÎŢém···]</translation>
        </message>
        <message>
            <source>N/A</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñ/Å]</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source>0 ft</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0 fţ]</translation>
        </message>
        <message>
            <source>10 ft</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[10 fţ]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the point-of-interest list: icon, name, distance, elevation, direction and Go.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIListScreenClass</name>
        <message>
            <source>Points of interest</source>
            <translation>[Pöíñţš öf íñţéŕéšţ······]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>No objects found</source>
            <translation>[Ñö öbĵéçţš föüñď·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of points of interest with its title, busy animation and empty-list message.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POILocationScreenClass</name>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>Primary: </source>
            <translation>[Pŕímáŕý: ··]</translation>
        </message>
        <message>
            <source>Datum: </source>
            <translation>[Ďáţüm: ·]</translation>
        </message>
        <message>
            <source>Secondary: </source>
            <translation>[Šéçöñďáŕý: ···]</translation>
        </message>
        <message>
            <source>Datum:</source>
            <translation>[Ďáţüm:·]</translation>
        </message>
        <message>
            <source>Elevation:</source>
            <translation>[Éĺéváţíöñ:··]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source/>
            <comment>A point of interest's coordinates, datums and elevation in a scroll area.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIOptionsScreenClass</name>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>[Šéţţíñğš··]</translation>
        </message>
        <message>
            <source/>
            <comment>A point of interest's options: activity indicator, routing selectors and settings.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIPicturesScreenClass</name>
        <message>
            <source>Pictures</source>
            <translation>[Píçţüŕéš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The pictures screen of a point of interest: title and picture count; the pictures are the host's.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIPopUpClass</name>
        <message>
            <source/>
            <comment>The point-of-interest bubble on the map, with its Go button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>POIRegionInfoScreenClass</name>
        <message>
            <source/>
            <comment>Region information in a text area under the header area.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>PinClass</name>
        <message>
            <source/>
            <comment>The map pin marker: a pin and a small arrow.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>PlayLogMenuScreenClass</name>
        <message>
            <source>Play Log file</source>
            <translation>[Pĺáý Ĺöğ fíĺé····]</translation>
        </message>
        <message>
            <source>Current File To Play:</source>
            <translation>[Çüŕŕéñţ Fíĺé Ţö Pĺáý:·······]</translation>
        </message>
        <message>
            <source>No File To Play</source>
            <translation>[Ñö Fíĺé Ţö Pĺáý····]</translation>
        </message>
        <message>
            <source>Select File:</source>
            <translation>[Šéĺéçţ Fíĺé:···]</translation>
        </message>
        <message>
            <source>Play</source>
            <translation>[Pĺáý]</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>[Šţöp]</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>[Ŕéšţáŕţ·]</translation>
        </message>
        <message>
            <source>30</source>
            <extracomment>Number, not prose; change only how the language writes it.</extracomment>
            <translation>[30]</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>[Åüţö]</translation>
        </message>
        <message>
            <source>play</source>
            <translation>[pĺáý]</translation>
        </message>
        <message>
            <source>No Playing</source>
            <translation>[Ñö Pĺáýíñğ··]</translation>
        </message>
        <message>
            <source>Re</source>
            <translation>[Ŕé]</translation>
        </message>
        <message>
            <source/>
            <comment>The log player: file choice, replay switches, play, stop, restart and 30-step jumps.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>PlayTrackScreenClass</name>
        <message>
            <source/>
            <comment>Plays a track back on the map.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>PointOnMapPopUpClass</name>
        <message>
            <source/>
            <comment>The bubble of a point on the map, with its Save button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditAlarmsScreenClass</name>
        <message>
            <source>Apply to All Profiles</source>
            <translation>[Åppĺý ţö Åĺĺ Pŕöfíĺéš·······]</translation>
        </message>
        <message>
            <source>Alarms</source>
            <translation>[Åĺáŕmš·]</translation>
        </message>
        <message>
            <source>Arrival</source>
            <translation>[Åŕŕíváĺ·]</translation>
        </message>
        <message>
            <source>Off Course</source>
            <translation>[Öff Çöüŕšé··]</translation>
        </message>
        <message>
            <source>Arrival Distance</source>
            <translation>[Åŕŕíváĺ Ďíšţáñçé·····]</translation>
        </message>
        <message>
            <source>GPS Fix Lost</source>
            <translation>[ĞPŠ Fíx Ĺöšţ···]</translation>
        </message>
        <message>
            <source>Place Proximity</source>
            <translation>[Pĺáçé Pŕöxímíţý····]</translation>
        </message>
        <message>
            <source>Waypoint Proximity</source>
            <translation>[Ŵáýpöíñţ Pŕöxímíţý······]</translation>
        </message>
        <message>
            <source>Geocache Proximity</source>
            <translation>[Ğéöçáçĥé Pŕöxímíţý······]</translation>
        </message>
        <message>
            <source>Alarm Tone</source>
            <translation>[Åĺáŕm Ţöñé··]</translation>
        </message>
        <message>
            <source>GPS Fix Acquired</source>
            <translation>[ĞPŠ Fíx Åçqüíŕéď·····]</translation>
        </message>
        <message>
            <source>Alarm Volume</source>
            <translation>[Åĺáŕm Vöĺümé···]</translation>
        </message>
        <message>
            <source>Anchor</source>
            <translation>[Åñçĥöŕ·]</translation>
        </message>
        <message>
            <source/>
            <comment>The alarm settings of a profile, in a scrolling panel.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditMapOptionsNavionicsScreenClass</name>
        <message>
            <source>Navionics Charts</source>
            <translation>[Ñávíöñíçš Çĥáŕţš·····]</translation>
        </message>
        <message>
            <source>Contour Line Spacing</source>
            <translation>[Çöñţöüŕ Ĺíñé Špáçíñğ······]</translation>
        </message>
        <message>
            <source>Safety Depth</source>
            <translation>[Šáféţý Ďépţĥ···]</translation>
        </message>
        <message>
            <source>Depth Units</source>
            <translation>[Ďépţĥ Üñíţš···]</translation>
        </message>
        <message>
            <source>Chart Boundaries</source>
            <translation>[Çĥáŕţ Böüñďáŕíéš·····]</translation>
        </message>
        <message>
            <source>Presentation</source>
            <translation>[Pŕéšéñţáţíöñ···]</translation>
        </message>
        <message>
            <source>Hide Charts</source>
            <translation>[Ĥíďé Çĥáŕţš···]</translation>
        </message>
        <message>
            <source/>
            <comment>The chart options for Navionics charts of a profile, in a scrolling panel.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditMapOptionsScreenClass</name>
        <message>
            <source>Map Options</source>
            <translation>[Máp Öpţíöñš···]</translation>
        </message>
        <message>
            <source>Navionics Chart Options</source>
            <translation>[Ñávíöñíçš Çĥáŕţ Öpţíöñš········]</translation>
        </message>
        <message>
            <source>Geocaches</source>
            <translation>[Ğéöçáçĥéš··]</translation>
        </message>
        <message>
            <source>Shaded Relief</source>
            <translation>[Šĥáďéď Ŕéĺíéf····]</translation>
        </message>
        <message>
            <source>Quick Info: Data</source>
            <translation>[Qüíçķ Îñfö: Ďáţá·····]</translation>
        </message>
        <message>
            <source>Map / Chart Detail</source>
            <comment>ComboBox Caption</comment>
            <translation>[Máp / Çĥáŕţ Ďéţáíĺ······]</translation>
        </message>
        <message>
            <source>Position Destination Line</source>
            <translation>[Pöšíţíöñ Ďéšţíñáţíöñ Ĺíñé········]</translation>
        </message>
        <message>
            <source>Map Draw Mode</source>
            <translation>[Máp Ďŕáŵ Möďé····]</translation>
        </message>
        <message>
            <source>Orientation</source>
            <translation>[Öŕíéñţáţíöñ···]</translation>
        </message>
        <message>
            <source>Waypoints</source>
            <translation>[Ŵáýpöíñţš··]</translation>
        </message>
        <message>
            <source>Show Tracks</source>
            <translation>[Šĥöŵ Ţŕáçķš···]</translation>
        </message>
        <message>
            <source>Show Media Points</source>
            <translation>[Šĥöŵ Méďíá Pöíñţš·····]</translation>
        </message>
        <message>
            <source>Map View</source>
            <translation>[Máp Víéŵ··]</translation>
        </message>
        <message>
            <source>POI</source>
            <translation>[PÖÎ]</translation>
        </message>
        <message>
            <source>Map Fields</source>
            <translation>[Máp Fíéĺďš··]</translation>
        </message>
        <message>
            <source>Topo Lines</source>
            <translation>[Ţöpö Ĺíñéš··]</translation>
        </message>
        <message>
            <source>Origin Destination Line</source>
            <translation>[Öŕíğíñ Ďéšţíñáţíöñ Ĺíñé········]</translation>
        </message>
        <message>
            <source>Current Location Icon</source>
            <translation>[Çüŕŕéñţ Ĺöçáţíöñ Îçöñ·······]</translation>
        </message>
        <message>
            <source>Auto Zoom</source>
            <translation>[Åüţö Žööm··]</translation>
        </message>
        <message>
            <source>Quick Info: Style</source>
            <translation>[Qüíçķ Îñfö: Šţýĺé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The map settings of a profile, in a long scrolling panel: a button for the chart options and choices for each map option.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditScreenClass</name>
        <message>
            <source/>
            <comment>Editing one profile: the profile name and icon in the title header and a kinetic list of the profile's setting groups.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditSensorsScreenClass</name>
        <message>
            <source>Apply to All Profiles</source>
            <translation>[Åppĺý ţö Åĺĺ Pŕöfíĺéš·······]</translation>
        </message>
        <message>
            <source>Sensors</source>
            <translation>[Šéñšöŕš·]</translation>
        </message>
        <message>
            <source>Electronic compass</source>
            <translation>[Éĺéçţŕöñíç çömpášš······]</translation>
        </message>
        <message>
            <source>Barometer</source>
            <translation>[Báŕöméţéŕ··]</translation>
        </message>
        <message>
            <source>Switch to GPS Compass at the following Speed:</source>
            <translation>[Šŵíţçĥ ţö ĞPŠ Çömpášš áţ ţĥé föĺĺöŵíñğ Špééď:················]</translation>
        </message>
        <message>
            <source/>
            <comment>The sensor settings of a profile.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditTracksScreenClass</name>
        <message>
            <source>Apply to All Profiles</source>
            <translation>[Åppĺý ţö Åĺĺ Pŕöfíĺéš·······]</translation>
        </message>
        <message>
            <source>Track Logging</source>
            <translation>[Ţŕáçķ Ĺöğğíñğ····]</translation>
        </message>
        <message>
            <source>Logging Mode</source>
            <translation>[Ĺöğğíñğ Möďé···]</translation>
        </message>
        <message>
            <source/>
            <comment>The track-recording settings of a profile.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileEditUnitsScreenClass</name>
        <message>
            <source>Apply to All Profiles</source>
            <translation>[Åppĺý ţö Åĺĺ Pŕöfíĺéš·······]</translation>
        </message>
        <message>
            <source>Units</source>
            <translation>[Üñíţš]</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>[Ďíšţáñçé··]</translation>
        </message>
        <message>
            <source>Speed</source>
            <translation>[Špééď]</translation>
        </message>
        <message>
            <source>Area Units</source>
            <translation>[Åŕéá Üñíţš··]</translation>
        </message>
        <message>
            <source>Elevation</source>
            <translation>[Éĺéváţíöñ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The units of a profile.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProfileListItemClass</name>
        <message>
            <source>Name</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the profile list: an active-profile mark, the profile icon after a divider and the profile name.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ProgressScreenClass</name>
        <message>
            <source>Please Wait...</source>
            <translation>[Pĺéášé Ŵáíţ...····]</translation>
        </message>
        <message>
            <source>Loading...</source>
            <translation>[Ĺöáďíñğ...··]</translation>
        </message>
        <message>
            <source/>
            <comment>The progress popup: waiting caption, progress bar and progress text.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuarnContextMenu</name>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The pop-up options menu: title, list of entries, close button, page-button slot.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuarnInfoPopupClass</name>
        <message>
            <source/>
            <comment>A modal information popup: an icon and a wrapped message side by side.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuarnMainFrameClass</name>
        <message>
            <source/>
            <comment>The full-screen frame the host places its screens in; it has no children.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuarnMessageBoxClass</name>
        <message>
            <source>OK</source>
            <translation>[ÖĶ]</translation>
        </message>
        <message>
            <source>Yes</source>
            <translation>[Ýéš]</translation>
        </message>
        <message>
            <source>No</source>
            <translation>[Ñö]</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>[Çáñçéĺ·]</translation>
        </message>
        <message>
            <source>Message</source>
            <translation>[Méššáğé·]</translation>
        </message>
        <message>
            <source/>
            <comment>The modal message box: title with icon, message, close button and up to four answers.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuarnTitleBar</name>
        <message>
            <source>HH:MM</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[ĤĤ:MM]</translation>
        </message>
        <message>
            <source/>
            <comment>The status strip across the top of every screen.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarGeocacheClass</name>
        <message>
            <source>(Dif/Terr)</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[(Ďíf/Ţéŕŕ)··]</translation>
        </message>
        <message>
            <source/>
            <comment>The quick-information bar of a geocache under the status line.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarMediaClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a photo, video or voice memo under the status line.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarObjectClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a map object; the whole bar makes a new waypoint.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarPOIClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a point of interest under the status line.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarPointClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a point on the map, with its Save button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarTrackClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a track under the status line.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>QuickInfoBarWaypointClass</name>
        <message>
            <source/>
            <comment>The quick-information bar of a waypoint under the status line.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RecordLogMenueScreenClass</name>
        <message>
            <source>Record Log file</source>
            <translation>[Ŕéçöŕď Ĺöğ fíĺé····]</translation>
        </message>
        <message>
            <source>Current File To Record:</source>
            <translation>[Çüŕŕéñţ Fíĺé Ţö Ŕéçöŕď:········]</translation>
        </message>
        <message>
            <source>No File To Record</source>
            <translation>[Ñö Fíĺé Ţö Ŕéçöŕď·····]</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>[Šţáŕţ]</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>[Šţöp]</translation>
        </message>
        <message>
            <source>Auto Record</source>
            <translation>[Åüţö Ŕéçöŕď···]</translation>
        </message>
        <message>
            <source>No Recording</source>
            <translation>[Ñö Ŕéçöŕďíñğ···]</translation>
        </message>
        <message>
            <source>Current Status:</source>
            <translation>[Çüŕŕéñţ Šţáţüš:····]</translation>
        </message>
        <message>
            <source>Pause</source>
            <translation>[Páüšé]</translation>
        </message>
        <message>
            <source/>
            <comment>The log recorder: current file, automatic recording, status, and start, pause and stop.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteAreaScreenClass</name>
        <message>
            <source>Perimeter:</source>
            <translation>[Péŕíméţéŕ:··]</translation>
        </message>
        <message>
            <source>Area:</source>
            <translation>[Åŕéá:]</translation>
        </message>
        <message>
            <source>Area Calculation</source>
            <translation>[Åŕéá Çáĺçüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows the area enclosed by a route.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteDDEScreenClass</name>
        <message>
            <source>Distance</source>
            <translation>[Ďíšţáñçé··]</translation>
        </message>
        <message>
            <source>Elevation change</source>
            <translation>[Éĺéváţíöñ çĥáñğé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows a route's distance and elevation figures.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteDescriptionScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows a route's description.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteDetailsScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source>Points</source>
            <translation>[Pöíñţš·]</translation>
        </message>
        <message>
            <source>Vertical Profile</source>
            <translation>[Véŕţíçáĺ Pŕöfíĺé·····]</translation>
        </message>
        <message>
            <source>Area Calculation</source>
            <translation>[Åŕéá Çáĺçüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The route detail menu.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteHeaderItemClass</name>
        <message>
            <source/>
            <comment>The header of a route's screens (241 × 49).</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteListItemClass</name>
        <message>
            <source>RouteListItem</source>
            <translation>[ŔöüţéĹíšţÎţém····]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the route list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteListScreenClass</name>
        <message>
            <source>Routes</source>
            <translation>[Ŕöüţéš·]</translation>
        </message>
        <message>
            <source>Filter will be here...</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Fíĺţéŕ ŵíĺĺ bé ĥéŕé...·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The route list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteMediaScreenClass</name>
        <message>
            <source/>
            <comment>The media screen of a route.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteOptionsScreenClass</name>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>[Ďéĺéţé·]</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>[Šéţţíñğš··]</translation>
        </message>
        <message>
            <source/>
            <comment>Holds a route's options.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RoutePointItemClass</name>
        <message>
            <source>RouteListItem</source>
            <translation>[ŔöüţéĹíšţÎţém····]</translation>
        </message>
        <message>
            <source>Add Point</source>
            <translation>[Åďď Pöíñţ··]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the route point list, with three pages.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RoutePointsScreenClass</name>
        <message>
            <source>Points</source>
            <translation>[Pöíñţš·]</translation>
        </message>
        <message>
            <source/>
            <comment>Lists the points of a route.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteSimulationMenuScreenClass</name>
        <message>
            <source>Route Simulation</source>
            <translation>[Ŕöüţé Šímüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>[Šţáŕţ]</translation>
        </message>
        <message>
            <source>Stop</source>
            <translation>[Šţöp]</translation>
        </message>
        <message>
            <source>1x</source>
            <extracomment>Number, not prose; change only how the language writes it.</extracomment>
            <translation>[1x]</translation>
        </message>
        <message>
            <source>No Simulation</source>
            <translation>[Ñö Šímüĺáţíöñ····]</translation>
        </message>
        <message>
            <source>Current Status:</source>
            <translation>[Çüŕŕéñţ Šţáţüš:····]</translation>
        </message>
        <message>
            <source>Restart</source>
            <translation>[Ŕéšţáŕţ·]</translation>
        </message>
        <message>
            <source>Speed Factor:</source>
            <translation>[Špééď Fáçţöŕ:····]</translation>
        </message>
        <message>
            <source>1.5x</source>
            <extracomment>Number, not prose; change only how the language writes it.</extracomment>
            <translation>[1.5x]</translation>
        </message>
        <message>
            <source>2x</source>
            <extracomment>Number, not prose; change only how the language writes it.</extracomment>
            <translation>[2x]</translation>
        </message>
        <message>
            <source/>
            <comment>The route simulation: speed factor, start, restart and stop, and the simulation status.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteSortAndSearchScreenClass</name>
        <message>
            <source>Sort by</source>
            <translation>[Šöŕţ bý·]</translation>
        </message>
        <message>
            <source>Search by name...</source>
            <translation>[Šéáŕçĥ bý ñámé...·····]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>Date Created</source>
            <translation>[Ďáţé Çŕéáţéď···]</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source>Show:</source>
            <translation>[Šĥöŵ:]</translation>
        </message>
        <message>
            <source>All</source>
            <translation>[Åĺĺ]</translation>
        </message>
        <message>
            <source>Favorites</source>
            <translation>[Fávöŕíţéš··]</translation>
        </message>
        <message>
            <source/>
            <comment>Sorts, filters and searches the route list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>RouteVPScreenClass</name>
        <message>
            <source>Net Change:</source>
            <translation>[Ñéţ Çĥáñğé:···]</translation>
        </message>
        <message>
            <source>Length:</source>
            <translation>[Ĺéñğţĥ:·]</translation>
        </message>
        <message>
            <source>Vertical Profile</source>
            <translation>[Véŕţíçáĺ Pŕöfíĺé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows the vertical profile of a route.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ScreenCaptureClass</name>
        <message>
            <source>Screen Capture</source>
            <translation>[Šçŕééñ Çápţüŕé····]</translation>
        </message>
        <message>
            <source>Press the power key to capture any screen</source>
            <translation>[Pŕéšš ţĥé pöŵéŕ ķéý ţö çápţüŕé áñý šçŕééñ···············]</translation>
        </message>
        <message>
            <source>ON</source>
            <translation>[ÖÑ]</translation>
        </message>
        <message>
            <source>View Saved Screen Captures</source>
            <translation>[Víéŵ Šávéď Šçŕééñ Çápţüŕéš·········]</translation>
        </message>
        <message>
            <source/>
            <comment>Screen capture: switched on or off, and the saved captures.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ScrollButtonsWidgetClass</name>
        <message>
            <source/>
            <comment>The pair of page buttons (down, up) that fills a bottom bar's scroll-button slot.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SearchNearbyListScreenClass</name>
        <message>
            <source>Nearby Search Result</source>
            <translation>[Ñéáŕbý Šéáŕçĥ Ŕéšüĺţ······]</translation>
        </message>
        <message>
            <source>No objects found</source>
            <translation>[Ñö öbĵéçţš föüñď·····]</translation>
        </message>
        <message>
            <source/>
            <comment>The result list of a nearby search with its busy animation and empty-result message.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsBrightnessVolumeScreenClass</name>
        <message>
            <source>Brightness &amp; Volume</source>
            <translation>[Bŕíğĥţñéšš &amp; Vöĺümé······]</translation>
        </message>
        <message>
            <source>Vibrate</source>
            <translation>[Víbŕáţé·]</translation>
        </message>
        <message>
            <source>Backlight Timer</source>
            <translation>[Báçķĺíğĥţ Ţíméŕ····]</translation>
        </message>
        <message>
            <source>Brightness</source>
            <translation>[Bŕíğĥţñéšš··]</translation>
        </message>
        <message>
            <source>Mute</source>
            <translation>[Müţé]</translation>
        </message>
        <message>
            <source>Volume</source>
            <translation>[Vöĺümé·]</translation>
        </message>
        <message>
            <source>Button Sounds</source>
            <translation>[Büţţöñ Šöüñďš····]</translation>
        </message>
        <message>
            <source/>
            <comment>Brightness and volume: two sliders, the backlight timer choice and check boxes for mute, vibrate and button sounds, in a scrolling panel.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsConnectivityScreenClass</name>
        <message>
            <source>Connectivity</source>
            <translation>[Çöññéçţívíţý···]</translation>
        </message>
        <message>
            <source>Mode</source>
            <translation>[Möďé]</translation>
        </message>
        <message>
            <source>Nmea option</source>
            <translation>[Ñméá öpţíöñ···]</translation>
        </message>
        <message>
            <source>Baud rate</source>
            <translation>[Báüď ŕáţé··]</translation>
        </message>
        <message>
            <source/>
            <comment>Connectivity: choices for the connection mode, the NMEA option and the baud rate.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsDateTimeScreenClass</name>
        <message>
            <source>Date &amp; Time</source>
            <translation>[Ďáţé &amp; Ţímé···]</translation>
        </message>
        <message>
            <source>Time Format</source>
            <translation>[Ţímé Föŕmáţ···]</translation>
        </message>
        <message>
            <source>Set Time Zone...</source>
            <translation>[Šéţ Ţímé Žöñé...·····]</translation>
        </message>
        <message>
            <source>Date Format</source>
            <translation>[Ďáţé Föŕmáţ···]</translation>
        </message>
        <message>
            <source>Calendar Format</source>
            <translation>[Çáĺéñďáŕ Föŕmáţ····]</translation>
        </message>
        <message>
            <source>Time Zone &amp; DST</source>
            <translation>[Ţímé Žöñé &amp; ĎŠŢ····]</translation>
        </message>
        <message>
            <source/>
            <comment>Date and time: date format, time format, calendar start day, time zone with a button that opens the time-zone screen, and a line showing the current date, time and time-zone shift.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsDiagnosticScreenClass</name>
        <message>
            <source>Diagnostics</source>
            <translation>[Ďíáğñöšţíçš···]</translation>
        </message>
        <message>
            <source>Audio Test</source>
            <translation>[Åüďíö Ţéšţ··]</translation>
        </message>
        <message>
            <source>Video Test</source>
            <translation>[Víďéö Ţéšţ··]</translation>
        </message>
        <message>
            <source>Touch Test</source>
            <translation>[Ţöüçĥ Ţéšţ··]</translation>
        </message>
        <message>
            <source/>
            <comment>Diagnostics: buttons that start the audio, video and touch tests.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsGpsScreenClass</name>
        <message>
            <source>GPS</source>
            <translation>[ĞPŠ]</translation>
        </message>
        <message>
            <source>Point on Map</source>
            <translation>[Pöíñţ öñ Máp···]</translation>
        </message>
        <message>
            <source>Set GPS Position:</source>
            <translation>[Šéţ ĞPŠ Pöšíţíöñ:·····]</translation>
        </message>
        <message>
            <source>Coordinates</source>
            <translation>[Çööŕďíñáţéš···]</translation>
        </message>
        <message>
            <source>Primary: </source>
            <translation>[Pŕímáŕý: ··]</translation>
        </message>
        <message>
            <source>Datum: </source>
            <translation>[Ďáţüm: ·]</translation>
        </message>
        <message>
            <source/>
            <comment>GPS settings: GPS on or off, and setting the GPS position from a point on the map or from coordinates, with the current primary coordinate and datum.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsLanguageScreenClass</name>
        <message>
            <source>Language</source>
            <translation>[Ĺáñğüáğé··]</translation>
        </message>
        <message>
            <source/>
            <comment>Language choice: a kinetic list of languages with a Next button, under a copy of the title-bar background.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsMemoryScreenClass</name>
        <message>
            <source>Use SD Card</source>
            <translation>[Üšé ŠĎ Çáŕď···]</translation>
        </message>
        <message>
            <source>for External Storage</source>
            <translation>[föŕ Éxţéŕñáĺ Šţöŕáğé······]</translation>
        </message>
        <message>
            <source>Clear Memory from Device</source>
            <translation>[Çĺéáŕ Mémöŕý fŕöm Ďévíçé········]</translation>
        </message>
        <message>
            <source>Clear Memory from SD Card</source>
            <translation>[Çĺéáŕ Mémöŕý fŕöm ŠĎ Çáŕď········]</translation>
        </message>
        <message>
            <source>Restore Factory Default</source>
            <translation>[Ŕéšţöŕé Fáçţöŕý Ďéfáüĺţ········]</translation>
        </message>
        <message>
            <source>Format SD Card</source>
            <translation>[Föŕmáţ ŠĎ Çáŕď····]</translation>
        </message>
        <message>
            <source>Total:</source>
            <translation>[Ţöţáĺ:·]</translation>
        </message>
        <message>
            <source>0.00</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.00]</translation>
        </message>
        <message>
            <source>Map:</source>
            <translation>[Máp:]</translation>
        </message>
        <message>
            <source>Application:</source>
            <translation>[Åppĺíçáţíöñ:···]</translation>
        </message>
        <message>
            <source>User Data:</source>
            <translation>[Üšéŕ Ďáţá:··]</translation>
        </message>
        <message>
            <source>Available:</source>
            <translation>[Åváíĺábĺé:··]</translation>
        </message>
        <message>
            <source>Memory</source>
            <translation>[Mémöŕý·]</translation>
        </message>
        <message>
            <source/>
            <comment>Memory: the sizes of the memory areas and buttons to use the SD card, clear memory, restore the factory defaults and format the SD card.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsNavigationScreenClass</name>
        <message>
            <source>Navigation</source>
            <translation>[Ñávíğáţíöñ··]</translation>
        </message>
        <message>
            <source>Primary Coordinate System</source>
            <translation>[Pŕímáŕý Çööŕďíñáţé Šýšţém········]</translation>
        </message>
        <message>
            <source>Primary Coordinate Zone</source>
            <translation>[Pŕímáŕý Çööŕďíñáţé Žöñé········]</translation>
        </message>
        <message>
            <source>Primary Coordinate Accuracy</source>
            <translation>[Pŕímáŕý Çööŕďíñáţé Åççüŕáçý·········]</translation>
        </message>
        <message>
            <source>Primary Map Datum</source>
            <translation>[Pŕímáŕý Máp Ďáţüm·····]</translation>
        </message>
        <message>
            <source>Secondary Coordinate System</source>
            <translation>[Šéçöñďáŕý Çööŕďíñáţé Šýšţém·········]</translation>
        </message>
        <message>
            <source>Secondary Coordinate Zone</source>
            <translation>[Šéçöñďáŕý Çööŕďíñáţé Žöñé········]</translation>
        </message>
        <message>
            <source>Secondary Coordinate Accuracy</source>
            <translation>[Šéçöñďáŕý Çööŕďíñáţé Åççüŕáçý··········]</translation>
        </message>
        <message>
            <source>Secondary Map Datum</source>
            <translation>[Šéçöñďáŕý Máp Ďáţüm······]</translation>
        </message>
        <message>
            <source>North Reference</source>
            <translation>[Ñöŕţĥ Ŕéféŕéñçé····]</translation>
        </message>
        <message>
            <source>Altimeter Source</source>
            <translation>[Åĺţíméţéŕ Šöüŕçé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Navigation settings: primary and secondary coordinate system, zone, accuracy and map datum, north reference and altimeter source, each a label with a combo box in one scrolling column.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsNightModeScreenClass</name>
        <message>
            <source>Night Mode</source>
            <translation>[Ñíğĥţ Möďé··]</translation>
        </message>
        <message>
            <source>Auto</source>
            <translation>[Åüţö]</translation>
        </message>
        <message>
            <source>ON</source>
            <translation>[ÖÑ]</translation>
        </message>
        <message>
            <source>OFF</source>
            <translation>[ÖFF]</translation>
        </message>
        <message>
            <source/>
            <comment>Night mode: three radio buttons Auto, ON and OFF.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsPowerScreenClass</name>
        <message>
            <source>Power</source>
            <translation>[Pöŵéŕ]</translation>
        </message>
        <message>
            <source>Active Suspend Timer</source>
            <translation>[Åçţívé Šüšpéñď Ţíméŕ······]</translation>
        </message>
        <message>
            <source>Active Suspend puts the unit in power save mode and continues logging your track.</source>
            <translation>[Åçţívé Šüšpéñď püţš ţĥé üñíţ íñ pöŵéŕ šávé möďé áñď çöñţíñüéš ĺöğğíñğ ýöüŕ ţŕáçķ.·······························]</translation>
        </message>
        <message>
            <source>Power Off Timer</source>
            <translation>[Pöŵéŕ Öff Ţíméŕ····]</translation>
        </message>
        <message>
            <source>Battery Type</source>
            <translation>[Báţţéŕý Ţýpé···]</translation>
        </message>
        <message>
            <source/>
            <comment>Power: choices for the active suspend timer, the power-off timer and the battery type, with an explanatory text.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsProductInfoScreenClass</name>
        <message>
            <source>Product Info</source>
            <translation>[Pŕöďüçţ Îñfö···]</translation>
        </message>
        <message>
            <source>Serial #:</source>
            <translation>[Šéŕíáĺ #:··]</translation>
        </message>
        <message>
            <source/>
            <comment>Product information: the serial number and a list of further product details.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsRouteOptionsScreenClass</name>
        <message>
            <source>Routing Method</source>
            <translation>[Ŕöüţíñğ Méţĥöď····]</translation>
        </message>
        <message>
            <source>Vehicle Routing</source>
            <translation>[Véĥíçĺé Ŕöüţíñğ····]</translation>
        </message>
        <message>
            <source>Route Options</source>
            <translation>[Ŕöüţé Öpţíöñš····]</translation>
        </message>
        <message>
            <source/>
            <comment>Route options: routing method and vehicle routing.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsScreenClass</name>
        <message>
            <source>Settings</source>
            <translation>[Šéţţíñğš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The settings menu: a kinetic list of settings categories under the title header, with a page indicator.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsTimeZoneScreenClass</name>
        <message>
            <source>Time Zone</source>
            <translation>[Ţímé Žöñé··]</translation>
        </message>
        <message>
            <source>Daylight Savings</source>
            <translation>[Ďáýĺíğĥţ Šávíñğš·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Time zone: the zone choice, a daylight-saving check box and the current date, time and shift.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsUserDatumScreenClass</name>
        <message>
            <source>User Datum Parameters</source>
            <translation>[Üšéŕ Ďáţüm Páŕáméţéŕš·······]</translation>
        </message>
        <message>
            <source>Delta A (meters)</source>
            <translation>[Ďéĺţá Å (méţéŕš)·····]</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_KB_EntryField_01.mif</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_map_field.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_map_field.mif</translation>
        </message>
        <message>
            <source>Delta F (x 10,000)</source>
            <translation>[Ďéĺţá F (x 10,000)······]</translation>
        </message>
        <message>
            <source>Delta X (meters)</source>
            <translation>[Ďéĺţá X (méţéŕš)·····]</translation>
        </message>
        <message>
            <source>Delta Y (meters)</source>
            <translation>[Ďéĺţá Ý (méţéŕš)·····]</translation>
        </message>
        <message>
            <source>Delta Z (meters)</source>
            <translation>[Ďéĺţá Ž (méţéŕš)·····]</translation>
        </message>
        <message>
            <source>Rotation X (sec)</source>
            <translation>[Ŕöţáţíöñ X (šéç)·····]</translation>
        </message>
        <message>
            <source>Rotation Y (sec)</source>
            <translation>[Ŕöţáţíöñ Ý (šéç)·····]</translation>
        </message>
        <message>
            <source>Rotation Z (sec)</source>
            <translation>[Ŕöţáţíöñ Ž (šéç)·····]</translation>
        </message>
        <message>
            <source>Scale factor (ppm)</source>
            <translation>[Šçáĺé fáçţöŕ (ppm)······]</translation>
        </message>
        <message>
            <source/>
            <comment>The parameters of a user-defined datum: Delta A, Delta F, Delta X, Y and Z, rotations about X, Y and Z and a scale factor, each a label above a coordinate entry control in one scrolling column.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SettingsUserGridScreenClass</name>
        <message>
            <source>User Grid Parameters</source>
            <translation>[Üšéŕ Ğŕíď Páŕáméţéŕš······]</translation>
        </message>
        <message>
            <source>User Grid</source>
            <translation>[Üšéŕ Ğŕíď··]</translation>
        </message>
        <message>
            <source>Sub User Grid</source>
            <translation>[Šüb Üšéŕ Ğŕíď····]</translation>
        </message>
        <message>
            <source>Coordinates of Origin</source>
            <translation>[Çööŕďíñáţéš öf Öŕíğíñ·······]</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_KB_EntryField_01.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_KB_EntryField_01.mif</translation>
        </message>
        <message>
            <source>:/Bkgd/bkgd_map_field.mif</source>
            <extracomment>Image path, not prose; a translation may name another picture.</extracomment>
            <translation>:/Bkgd/bkgd_map_field.mif</translation>
        </message>
        <message>
            <source>Coordinate of Point 1</source>
            <translation>[Çööŕďíñáţé öf Pöíñţ 1·······]</translation>
        </message>
        <message>
            <source>Coordinate of Point 2</source>
            <translation>[Çööŕďíñáţé öf Pöíñţ 2·······]</translation>
        </message>
        <message>
            <source>Azimuth of Central Line</source>
            <translation>[Åžímüţĥ öf Çéñţŕáĺ Ĺíñé········]</translation>
        </message>
        <message>
            <source>Scale Factor</source>
            <translation>[Šçáĺé Fáçţöŕ···]</translation>
        </message>
        <message>
            <source>Unit to Meters Conversion</source>
            <translation>[Üñíţ ţö Méţéŕš Çöñvéŕšíöñ········]</translation>
        </message>
        <message>
            <source>False North at Origin</source>
            <translation>[Fáĺšé Ñöŕţĥ áţ Öŕíğíñ·······]</translation>
        </message>
        <message>
            <source>False East at Origin</source>
            <translation>[Fáĺšé Éášţ áţ Öŕíğíñ······]</translation>
        </message>
        <message>
            <source/>
            <comment>The parameters of a user-defined grid: grid and sub-grid choices, origin and two points, azimuth of the central line, scale factor, unit conversion and false north and east.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>StartupScreen</name>
        <message>
            <source/>
            <comment>The start-up splash: product, version, stopwatch animation and owner information.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>SunMoonScreenClass</name>
        <message>
            <source>Sun and Moon</source>
            <translation>[Šüñ áñď Mööñ···]</translation>
        </message>
        <message>
            <source>Rises</source>
            <translation>[Ŕíšéš]</translation>
        </message>
        <message>
            <source>Sets</source>
            <translation>[Šéţš]</translation>
        </message>
        <message>
            <source/>
            <comment>Sun and moon rise and set times for a date chosen on the calendar.</comment>
            <translation></translation>
        </message>
        <message>
            <source>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">
&lt;html>&lt;head>&lt;meta name="qrichtext" content="1" />&lt;style type="text/css">
p, li { white-space: pre-wrap; }
&lt;/style>&lt;/head>&lt;body style=" font-family:'Arial'; font-size:10pt; font-weight:600; font-style:normal;">
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS Shell Dlg 2';">&lt;br />&lt;/p>&lt;/body>&lt;/html></source>
            <extracomment>Empty rich-text document, not prose; keep it unless the language needs another font.</extracomment>
            <translation>&lt;!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.0//EN" "http://www.w3.org/TR/REC-html40/strict.dtd">
&lt;html>&lt;head>&lt;meta name="qrichtext" content="1" />&lt;style type="text/css">
p, li { white-space: pre-wrap; }
&lt;/style>&lt;/head>&lt;body style=" font-family:'Arial'; font-size:10pt; font-weight:600; font-style:normal;">
&lt;p style="-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:'MS Shell Dlg 2';">&lt;br />&lt;/p>&lt;/body>&lt;/html></translation>
        </message>
    </context>
    <context>
        <name>TextInputScreenClass</name>
        <message>
            <source>DataInputScreen</source>
            <translation>[ĎáţáÎñpüţŠçŕééñ····]</translation>
        </message>
        <message>
            <source>Location</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source/>
            <comment>Text input: the edited field's name, the edit line, the on-screen keyboard and a review area.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TideCurrCalendarScreenClass</name>
        <message>
            <source/>
            <comment>The date choice for the tide and current tables.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TideCurrentScreenClass</name>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>N/I</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ñ/Î]</translation>
        </message>
        <message>
            <source>0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0]</translation>
        </message>
        <message>
            <source>No Data</source>
            <translation>[Ñö Ďáţá·]</translation>
        </message>
        <message>
            <source/>
            <comment>The tide predicted at the destination while navigating: level, rise or fall, and the tide graph.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TideTblItemClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source/>
            <comment>One day of the tide table: the date over rows of type, time and comment, in the host's field order.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TideTblScreenClass</name>
        <message>
            <source>Tide station</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Ţíďé šţáţíöñ···]</translation>
        </message>
        <message>
            <source>Date anchored</source>
            <translation>[Ďáţé áñçĥöŕéď····]</translation>
        </message>
        <message>
            <source/>
            <comment>The tide table of a station: its day entries under the station and date titles.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsGeofenceDetailsScreen</name>
        <message>
            <source>Border Alert</source>
            <translation>[Böŕďéŕ Åĺéŕţ···]</translation>
        </message>
        <message>
            <source>Proximity Alert</source>
            <translation>[Pŕöxímíţý Åĺéŕţ····]</translation>
        </message>
        <message>
            <source>Show on Map</source>
            <translation>[Šĥöŵ öñ Máp···]</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>[Ďíšţáñçé··]</translation>
        </message>
        <message>
            <source/>
            <comment>The details of one geofence.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsGeofencingListItem</name>
        <message>
            <source/>
            <comment>One row of the geofence list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsGeofencingMapAreasListItem</name>
        <message>
            <source/>
            <comment>One row of the map area list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsGeofencingMapAreasScreenClass</name>
        <message>
            <source>Add GeoFence</source>
            <translation>[Åďď ĞéöFéñçé···]</translation>
        </message>
        <message>
            <source>1/1</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[1/1]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of map areas from which a geofence is added.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsGeofencingScreenClass</name>
        <message>
            <source>GeoFencing</source>
            <translation>[ĞéöFéñçíñğ··]</translation>
        </message>
        <message>
            <source>1/1</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[1/1]</translation>
        </message>
        <message>
            <source/>
            <comment>The list of geofences.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsHelpScreenClass</name>
        <message>
            <source>Help</source>
            <translation>[Ĥéĺp]</translation>
        </message>
        <message>
            <source>1/1</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[1/1]</translation>
        </message>
        <message>
            <source/>
            <comment>The help topics.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsListItem</name>
        <message>
            <source/>
            <comment>One row of the tools menu; the row button's normal and pressed images and its event propagation are root properties.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsOwnerInfoScreenClass</name>
        <message>
            <source>Owner Information</source>
            <translation>[Öŵñéŕ Îñföŕmáţíöñ·····]</translation>
        </message>
        <message>
            <source>Phone #</source>
            <translation>[Pĥöñé #·]</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>[Åďďŕéšš·]</translation>
        </message>
        <message>
            <source>E-mail</source>
            <translation>[É-máíĺ·]</translation>
        </message>
        <message>
            <source>Full Name</source>
            <translation>[Füĺĺ Ñámé··]</translation>
        </message>
        <message>
            <source/>
            <comment>The owner information.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsProfilesScreenClass</name>
        <message>
            <source>Profiles</source>
            <translation>[Pŕöfíĺéš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The profile list: a kinetic list of profiles with page and count indicators and a profiles tool-bar button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>ToolsScreenClass</name>
        <message>
            <source>Tools</source>
            <translation>[Ţööĺš]</translation>
        </message>
        <message>
            <source>1/1</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[1/1]</translation>
        </message>
        <message>
            <source/>
            <comment>The tools menu.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackDDEInfoContainerClass</name>
        <message>
            <source>Distance Traveled:</source>
            <translation>[Ďíšţáñçé Ţŕávéĺéď:······]</translation>
        </message>
        <message>
            <source>Straight Line Distance</source>
            <translation>[Šţŕáíğĥţ Ĺíñé Ďíšţáñçé·······]</translation>
        </message>
        <message>
            <source>Elevation change</source>
            <translation>[Éĺéváţíöñ çĥáñğé·····]</translation>
        </message>
        <message>
            <source>Total Descent</source>
            <translation>[Ţöţáĺ Ďéšçéñţ····]</translation>
        </message>
        <message>
            <source>Total Ascent</source>
            <translation>[Ţöţáĺ Åšçéñţ···]</translation>
        </message>
        <message>
            <source>Total Ascent &amp; Descent</source>
            <translation>[Ţöţáĺ Åšçéñţ &amp; Ďéšçéñţ·······]</translation>
        </message>
        <message>
            <source>Duration</source>
            <translation>[Ďüŕáţíöñ··]</translation>
        </message>
        <message>
            <source>Moving Time</source>
            <translation>[Mövíñğ Ţímé···]</translation>
        </message>
        <message>
            <source>Stoped Time</source>
            <translation>[Šţöpéď Ţímé···]</translation>
        </message>
        <message>
            <source>Avg. Speed</source>
            <translation>[Åvğ. Špééď··]</translation>
        </message>
        <message>
            <source>Avg. Moving Speed</source>
            <translation>[Åvğ. Mövíñğ Špééď·····]</translation>
        </message>
        <message>
            <source>Max Speed</source>
            <translation>[Máx Špééď··]</translation>
        </message>
        <message>
            <source>Avg. Ascent Speed</source>
            <translation>[Åvğ. Åšçéñţ Špééď·····]</translation>
        </message>
        <message>
            <source>Avg. Descent Speed</source>
            <translation>[Åvğ. Ďéšçéñţ Špééď······]</translation>
        </message>
        <message>
            <source>Avg. Time To Find</source>
            <translation>[Åvğ. Ţímé Ţö Fíñď·····]</translation>
        </message>
        <message>
            <source>Points</source>
            <translation>[Pöíñţš·]</translation>
        </message>
        <message>
            <source>Segments</source>
            <translation>[Šéğméñţš··]</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>[Šţáŕţ:·]</translation>
        </message>
        <message>
            <source>End:</source>
            <translation>[Éñď:]</translation>
        </message>
        <message>
            <source/>
            <comment>The scrolled content of the track figures screen (232 × 842).</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackDDEScreenClass</name>
        <message>
            <source/>
            <comment>Shows a track's distance, elevation and duration figures.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackDescriptionScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows a track's description.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackDetailsScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source>Vertical Profile</source>
            <translation>[Véŕţíçáĺ Pŕöfíĺé·····]</translation>
        </message>
        <message>
            <source>Area Calculation</source>
            <translation>[Åŕéá Çáĺçüĺáţíöñ·····]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The track detail menu.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackHeaderItemClass</name>
        <message>
            <source>Form</source>
            <translation>[Föŕm]</translation>
        </message>
        <message>
            <source/>
            <comment>The header of a track (244 × 47).</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackListItemClass</name>
        <message>
            <source>TrackListItem</source>
            <translation>[ŢŕáçķĹíšţÎţém····]</translation>
        </message>
        <message>
            <source/>
            <comment>One row of the track list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackListScreenClass</name>
        <message>
            <source>Tracks</source>
            <translation>[Ţŕáçķš·]</translation>
        </message>
        <message>
            <source>Filter will be here...</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[Fíĺţéŕ ŵíĺĺ bé ĥéŕé...·······]</translation>
        </message>
        <message>
            <source/>
            <comment>The track list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackMediaScreenClass</name>
        <message>
            <source/>
            <comment>The media screen of a track.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackOptionsScreenClass</name>
        <message>
            <source>Delete</source>
            <translation>[Ďéĺéţé·]</translation>
        </message>
        <message>
            <source>Reverse</source>
            <translation>[Ŕévéŕšé·]</translation>
        </message>
        <message>
            <source>Show on Map</source>
            <translation>[Šĥöŵ öñ Máp···]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>Holds a track's options.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackPopUpClass</name>
        <message>
            <source/>
            <comment>The track bubble on the map, with its Go button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TrackSortScreenClass</name>
        <message>
            <source>Show:</source>
            <translation>[Šĥöŵ:]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>Date Created</source>
            <translation>[Ďáţé Çŕéáţéď···]</translation>
        </message>
        <message>
            <source>Color</source>
            <translation>[Çöĺöŕ]</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source>Sort by</source>
            <translation>[Šöŕţ bý·]</translation>
        </message>
        <message>
            <source>Search by name...</source>
            <translation>[Šéáŕçĥ bý ñámé...·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Sorts and filters the track list.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TripSummaryItemClass</name>
        <message>
            <source>TripSummaryItem</source>
            <translation>[ŢŕípŠümmáŕýÎţém····]</translation>
        </message>
        <message>
            <source>Start:</source>
            <translation>[Šţáŕţ:·]</translation>
        </message>
        <message>
            <source/>
            <comment>One trip-summary row: a title and value, or a start coordinate with its date.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TripSummaryScreenClass</name>
        <message>
            <source>Track Summary</source>
            <translation>[Ţŕáçķ Šümmáŕý····]</translation>
        </message>
        <message>
            <source/>
            <comment>The trip summary: a titled list of summary rows.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TurnListItemClass</name>
        <message>
            <source/>
            <comment>One row of the turn list: the manoeuvre and two lines of text.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>TurnListScreenClass</name>
        <message>
            <source>Turn List</source>
            <translation>[Ţüŕñ Ĺíšţ··]</translation>
        </message>
        <message>
            <source/>
            <comment>The turn list of the active route, with its sort choice in the bottom bar.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>VerticalProfileTrackScreenClass</name>
        <message>
            <source>Net Change:</source>
            <translation>[Ñéţ Çĥáñğé:···]</translation>
        </message>
        <message>
            <source>Length:</source>
            <translation>[Ĺéñğţĥ:·]</translation>
        </message>
        <message>
            <source>Time:</source>
            <translation>[Ţímé:]</translation>
        </message>
        <message>
            <source>Speed:</source>
            <translation>[Špééď:·]</translation>
        </message>
        <message>
            <source>Vertical Profile</source>
            <translation>[Véŕţíçáĺ Pŕöfíĺé·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Shows the vertical (elevation) profile of a track.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>VideoTestScreenClass</name>
        <message>
            <source>Dialog</source>
            <translation>[Ďíáĺöğ·]</translation>
        </message>
        <message>
            <source/>
            <comment>The video test dialog: the named, sized root and nothing in it.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WaypointPopUpClass</name>
        <message>
            <source/>
            <comment>The waypoint bubble on the map, with its Go button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptCreateFromProjectionScreenClass</name>
        <message>
            <source>Projection from current Location</source>
            <translation>[Pŕöĵéçţíöñ fŕöm çüŕŕéñţ Ĺöçáţíöñ···········]</translation>
        </message>
        <message>
            <source>Next></source>
            <translation>[Ñéxţ>]</translation>
        </message>
        <message>
            <source>Bearing:</source>
            <translation>[Béáŕíñğ:··]</translation>
        </message>
        <message>
            <source>Distance:</source>
            <translation>[Ďíšţáñçé:··]</translation>
        </message>
        <message>
            <source>Degrees</source>
            <translation>[Ďéğŕééš·]</translation>
        </message>
        <message>
            <source>0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0]</translation>
        </message>
        <message>
            <source/>
            <comment>A new waypoint projected from the current location by bearing and distance.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptCreateScreenClass</name>
        <message>
            <source>Create New Waypoint From</source>
            <translation>[Çŕéáţé Ñéŵ Ŵáýpöíñţ Fŕöm········]</translation>
        </message>
        <message>
            <source/>
            <comment>The choice of where a new waypoint comes from.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptDDEScreenClass</name>
        <message>
            <source>Distance:</source>
            <translation>[Ďíšţáñçé:··]</translation>
        </message>
        <message>
            <source>Bearing:</source>
            <translation>[Béáŕíñğ:··]</translation>
        </message>
        <message>
            <source>Total Ascent:</source>
            <translation>[Ţöţáĺ Åšçéñţ:····]</translation>
        </message>
        <message>
            <source>Total Descent:</source>
            <translation>[Ţöţáĺ Ďéšçéñţ:····]</translation>
        </message>
        <message>
            <source>Elevation Change:</source>
            <translation>[Éĺéváţíöñ Çĥáñğé:·····]</translation>
        </message>
        <message>
            <source/>
            <comment>Distance, direction and elevation figures of one waypoint.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptDataScreenClass</name>
        <message>
            <source>01/01/2010 00:00:00</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[01/01/2010 00:00:00······]</translation>
        </message>
        <message>
            <source/>
            <comment>The header screen of one waypoint: two-part title and a bottom bar for viewing or creating.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptDescriptionScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source/>
            <comment>A waypoint's description under its panel button.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptDetailScreenClass</name>
        <message>
            <source>Description</source>
            <translation>[Ďéšçŕípţíöñ···]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source/>
            <comment>The waypoint detail menu: one panel button per sub-screen.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptListItem</name>
        <message>
            <source/>
            <comment>One row of the waypoint list: type icon with marks, name, distance, height, direction and Go.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptListScreenClass</name>
        <message>
            <source>Next></source>
            <translation>[Ñéxţ>]</translation>
        </message>
        <message>
            <source>Waypoints</source>
            <translation>[Ŵáýpöíñţš··]</translation>
        </message>
        <message>
            <source/>
            <comment>The waypoint list: title button with counters, the list, and a bottom bar ending in the menu or Next>.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptLocationScreenClass</name>
        <message>
            <source>Primary: </source>
            <translation>[Pŕímáŕý: ··]</translation>
        </message>
        <message>
            <source>Datum: </source>
            <translation>[Ďáţüm: ·]</translation>
        </message>
        <message>
            <source>Secondary: </source>
            <translation>[Šéçöñďáŕý: ···]</translation>
        </message>
        <message>
            <source>Datum:</source>
            <translation>[Ďáţüm:·]</translation>
        </message>
        <message>
            <source>Elevation:</source>
            <translation>[Éĺéváţíöñ:··]</translation>
        </message>
        <message>
            <source>0.0</source>
            <extracomment>Number shown until the host fills it.</extracomment>
            <translation>[0.0]</translation>
        </message>
        <message>
            <source>Next></source>
            <translation>[Ñéxţ>]</translation>
        </message>
        <message>
            <source>Location</source>
            <translation>[Ĺöçáţíöñ··]</translation>
        </message>
        <message>
            <source/>
            <comment>A waypoint's coordinates, datums and elevation in a scroll area.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptOptionsScreenClass</name>
        <message>
            <source>Delete</source>
            <translation>[Ďéĺéţé·]</translation>
        </message>
        <message>
            <source>Options</source>
            <translation>[Öpţíöñš·]</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>[Šéţţíñğš··]</translation>
        </message>
        <message>
            <source/>
            <comment>A waypoint's options: routing selectors, settings, source and Delete.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptPicturesScreenClass</name>
        <message>
            <source>01/01/2010 00:00:00</source>
            <extracomment>Sample content, replaced by the host at run time.</extracomment>
            <translation>[01/01/2010 00:00:00······]</translation>
        </message>
        <message>
            <source/>
            <comment>The pictures screen of one waypoint: the header's title and bottom bar; the pictures are the host's.</comment>
            <translation></translation>
        </message>
    </context>
    <context>
        <name>WptSortByScreenClass</name>
        <message>
            <source>Next></source>
            <translation>[Ñéxţ>]</translation>
        </message>
        <message>
            <source>Sort by</source>
            <translation>[Šöŕţ bý·]</translation>
        </message>
        <message>
            <source>Show:</source>
            <translation>[Šĥöŵ:]</translation>
        </message>
        <message>
            <source>Search by name...</source>
            <translation>[Šéáŕçĥ bý ñámé...·····]</translation>
        </message>
        <message>
            <source>Nearest</source>
            <translation>[Ñéáŕéšţ·]</translation>
        </message>
        <message>
            <source>Date Created</source>
            <translation>[Ďáţé Çŕéáţéď···]</translation>
        </message>
        <message>
            <source>Type</source>
            <translation>[Ţýpé]</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>[Ñámé]</translation>
        </message>
        <message>
            <source/>
            <comment>Sorting and filtering the waypoint list: the filter, four sort choices and the name search.</comment>
            <translation></translation>
        </message>
    </context>
</TS>
