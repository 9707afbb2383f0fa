// The built-in defaults: the settings with their defaults, then the English
// texts (VZDefaultTexts.cpp), in settings-line syntax. The settings file
// replaces the settings; a language file replaces the texts.
#include <vector>

#include "shell/app/VZApplication.h"
#include "shell/app/VZDefaultTables.h"

namespace {

// The program's settings, each group line before its values.
const wchar_t *const kSettings[] = {
    L"Competition\\:=",
    L"Competition\\Name:String=",
    L"Competition\\Sponsor:String=",
    L"Event\\:=",
    L"Event\\SingleEvent:Int=1",
    L"Event\\DefaultName:Int=0",
    L"Event\\ERHZeroPad:Int=1",
    L"Event\\Directory:String=",
    L"Event\\Image\\:=",
    L"Event\\Image\\ToolBar\\:=",
    L"Event\\Image\\ToolBar\\IdMethod:Int=1",
    L"Event\\Image\\ToolBar\\ZoomInOut:Int=1",
    L"Event\\Image\\ToolBar\\ZoomSelector:Int=0",
    L"Event\\Image\\ToolBar\\Crop:Int=1",
    L"Event\\Image\\ToolBar\\AutoCrop:Int=1",
    L"Event\\Image\\ToolBar\\FindObject:Int=1",
    L"Event\\Image\\ToolBar\\Enhance:Int=1",
    L"Event\\Image\\ToolBar\\Print:Int=1",
    L"Event\\Image\\ToolBar\\Maximize:Int=1",
    L"Event\\Chart\\:=",
    L"Event\\Chart\\ToolBar\\:=",
    L"Event\\Chart\\ToolBar\\Print:Int=1",
    L"Event\\Chart\\ToolBar\\Maximize:Int=1",
    L"Event\\Chart\\ToolBar\\ExportBitmap:Int=1",
    L"Event\\Results\\:=",
    L"Event\\Results\\DefaultLanes:Int=8",
    L"Event\\Results\\RetryCount:Int=3",
    L"Event\\Results\\ShowAllFSInRed:Bool=0",
    L"Event\\Results\\Lanes\\:=",
    L"Event\\Results\\Print\\:=",
    L"Event\\Results\\Print\\Margins\\:=",
    L"Event\\Results\\Print\\Margins\\Left:Int=0",
    L"Event\\Results\\Print\\Margins\\Right:Int=0",
    L"Event\\Results\\Print\\Margins\\Top:Int=0",
    L"Event\\Results\\Print\\Margins\\Bottom:Int=0",
    L"Event\\Results\\Print\\Margins\\Unit:Int=0",
    L"Hardware\\:=",
    L"Hardware\\MenuTimeOut:Int=5000",
    L"Hardware\\Ethernet\\:=",
    L"Hardware\\Ethernet\\Boot:Bool=1",
    L"Hardware\\Ethernet\\BaseIPAddress:String=",
    L"Hardware\\Ethernet\\CommandTimeOut:Int=100",
    L"Hardware\\Ethernet\\ImageBlockMTU:Int=4000",
    L"Hardware\\Ethernet\\MaxStatusFails:Int=3",
    L"Hardware\\BlockSensor\\:=",
    L"Hardware\\BlockSensor\\OnMarkFName:String=",
    L"Hardware\\BlockSensor\\SetFName:String=",
    L"Hardware\\BlockSensor\\GunFName:String=",
    L"Hardware\\BlockSensor\\StartTimeDL:Float=0",
    L"Hardware\\BlockSensor\\EndTimeDL:Float=5",
    L"Scoreboards\\:=",
    L"Scoreboards\\Boot:bool=1",
    L"Scoreboards\\PortBuffer:Int=3072",
    L"Scoreboards\\Optimize:Int=1",
    L"Database\\:=",
    L"Database\\Mode:Int=1",
    L"Database\\CharMode:Int=0",
    L"Database\\TimePrecision:Int=0",
    L"Database\\RecursionCheck:Int=1",
    L"Database\\SetStatusChar:String=\\",
    L"Database\\File\\:=",
    L"Database\\File\\DataInDir:String=",
    L"Database\\File\\DataOutDir:String=",
    L"Database\\File\\WriteVIF:bool=1",
    L"Database\\File\\CharModeVIF:Int=0",
    L"Database\\Serial\\:=",
    L"Database\\Serial\\SerialPort:String=0,9600,8,N,1.0",
    L"Database\\Serial\\ShortTimeout:Int=1000",
    L"Database\\Serial\\LongTimeout:Int=10000",
    L"Database\\Serial\\Version:Int=0",
    L"Database\\VIF\\:=",
    L"Database\\VIF\\ExtraFields:Int=999",
    L"Database\\QIF\\:=",
    L"Database\\QIF\\SerialPort:String=-1,0,1950",
    L"Database\\QIF\\IgnoreERHCheck:bool=1",
    L"Database\\FDM\\:=",
    L"Database\\FDM\\Mode:Int=0",
    L"Database\\FDM\\CharMode:Int=0",
    L"Database\\FDM\\Port:Int=0",
    L"Database\\FDM\\Filename:String=vexaio.txt",
    L"Database\\FDM\\IPAddress:String=",
    L"Serial\\:=",
    L"Serial\\ShortTimeout:Int=1000",
    L"Serial\\LongTimeout:Int=10000",
    L"Serial\\PromptTraceDL:Bool=1",
    L"Serial\\AddDLToOvly:Bool=0",
    L"SerialPorts\\:=",
    L"Chart\\:=",
    L"Chart\\Axes\\:=",
    L"Chart\\Axes\\ShowY:Bool=0",
    L"Chart\\Axes\\MinX:Float=-3",
    L"Chart\\Axes\\MaxX:Float=2",
    L"Chart\\Scale\\:=",
    L"Chart\\Scale\\AcrossTraces:Bool=1",
    L"Chart\\Background\\:=",
    L"Chart\\Background\\Color:Int=1",
    L"Chart\\Background\\FaceColor:Int=1",
    L"Chart\\Lines\\:=",
    L"Chart\\Lines\\ShowSet:Bool=1",
    L"Chart\\Lines\\ShowGun:Bool=1",
    L"Chart\\Lines\\ShowLegal:Bool=1",
    L"Chart\\Lines\\ShowReaction:Bool=1",
    L"Chart\\Lines\\ShowPower:Bool=1",
    L"Chart\\Margins\\:=",
    L"Chart\\Margins\\LeftPct:Float=10",
    L"Chart\\Margins\\RightPct:Float=12",
    L"Chart\\Margins\\TopPct:Float=8",
    L"Chart\\Margins\\BottomPct:Float=12",
    L"Chart\\Brush\\:=",
    L"Chart\\Brush\\Width:Int=1",
    L"Chart\\Brush\\Style:Int=0",
    L"Chart\\Brush\\Color:Int=4",
    L"Chart\\Plotting\\:=",
    L"Chart\\Plotting\\SumIntegral:Int=192",
    L"Chart\\Plotting\\MultiScaleVal:Int=30000",
    L"Chart\\Plotting\\FiltAvePts:Int=0",
    L"Chart\\Plotting\\MinScaleVal:Int=500",
    L"Chart\\Plotting\\DefScaleVal:Int=1000",
    L"Chart\\Plotting\\PowerRoundVal:Int=1000",
    L"Chart\\LocalAlg\\:=",
    L"Chart\\LocalAlg\\IncSlope:Int=12",
    L"Chart\\LocalAlg\\ConsIncSlope:Int=8",
    L"Chart\\LocalAlg\\TotalIncSlope:Int=40",
    L"Chart\\LocalAlg\\SetMask:Float=0.6",
    L"Chart\\LocalAlg\\ShowBeforeSet:Bool=0",
    L"Chart\\LocalAlg\\CheckNegSlope:Bool=0",
    L"Language\\:=",
    L"Language\\Choice:String=",
    L"Language\\Choices\\:=",
};

// The settings of the image windows and the image store.
const wchar_t *const kImagingSettings[] = {
    L"Event\\Image\\AutoCrop:Int=5",
    L"Event\\Image\\Hash\\:=",
    L"Event\\Image\\Hash\\Color:Int=1",
    L"Event\\Image\\Hash\\Width:Int=1",
    L"Event\\Image\\Hash\\CrossWidth:Int=7",
    L"Event\\Image\\Hash\\ShowLines:Int=1",
    L"Event\\Image\\Hash\\TimeTrack:Int=1",
    L"Event\\Image\\Selection\\:=",
    L"Event\\Image\\Selection\\PrintLines:Int=1",
    L"Event\\Image\\Selection\\PrintLineColor:Int=1",
    L"Event\\Image\\ExportBitmap\\:=",
    L"Event\\Image\\ExportBitmap\\MaxMemory:Int=16777216",
    L"Event\\Image\\Print\\:=",
    L"Event\\Image\\Print\\PrintResults:Int=0",
    L"Event\\Image\\Print\\MaxResults:Int=10",
    L"Event\\Image\\Print\\OverlayDPI:Int=300",
};

template <size_t N>
VZDefaultLines Lines(const wchar_t *const (&table)[N])
{
    return { table, int(N) };
}

// The three parts one after the other, closed by a null entry.
const std::vector<const wchar_t *> &Joined()
{
    static const std::vector<const wchar_t *> joined = [] {
        std::vector<const wchar_t *> all;
        for (VZDefaultLines part : { VZDefaultSettings(), VZDefaultImagingSettings(), VZDefaultTexts() })
            all.insert(all.end(), part.lines, part.lines + part.count);
        all.push_back(nullptr);
        return all;
    }();
    return joined;
}

} // namespace

VZDefaultLines VZDefaultSettings()
{
    return Lines(kSettings);
}

VZDefaultLines VZDefaultImagingSettings()
{
    return Lines(kImagingSettings);
}

const wchar_t *const *VZApplication::DefaultsTable()
{
    return Joined().data();
}

int VZApplication::DefaultsCount()
{
    return int(Joined().size()) - 1;
}
