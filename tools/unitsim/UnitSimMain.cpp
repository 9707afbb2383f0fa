// unitsim: serves a simulated unit on a COM port until the input ends, for
// trying the program by hand (the far end of a port pair, see
// tools/comport/comport.sh).
//
//   unitsim COM [-cc] [-trials N] [-off] [-paced] [-out DIR] [-log FILE]
//     -cc    a Control Center instead of a block sensor with three trials
//     -trials a block sensor with N trials (1 to 50) that all have a power
//     -off   starts switched off; "on" on the input switches it on
//     -paced sends and takes bytes at its port's rate (19,200 baud), as a
//            cable would; a pseudo-terminal pair is otherwise much faster
//     -out   folder for received firmware images and sounds
//     -log   transcript file
// Input lines: "on", "off", "quit".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "tools/unitsim/UnitSim.h"

int main(int argc, char **argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: unitsim COM [-cc] [-trials N] [-off] [-paced] [-out DIR] [-log FILE]\n");
        return 2;
    }
    int port = std::atoi(argv[1]);
    bool controlCenter = false, off = false, paced = false;
    int trials = 0;
    std::string out, log;
    for (int i = 2; i < argc; ++i)
    {
        if (!std::strcmp(argv[i], "-cc"))
            controlCenter = true;
        else if (!std::strcmp(argv[i], "-trials") && i + 1 < argc)
        {
            trials = std::atoi(argv[++i]);
            if (trials < 1 || trials > 50)
            {
                std::fprintf(stderr, "unitsim: -trials takes 1 to 50, not %s\n", argv[i]);
                return 2;
            }
        }
        else if (!std::strcmp(argv[i], "-off"))
            off = true;
        else if (!std::strcmp(argv[i], "-paced"))
            paced = true;
        else if (!std::strcmp(argv[i], "-out") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "-log") && i + 1 < argc)
            log = argv[++i];
    }
    unitsim::Config config = controlCenter ? unitsim::Config::ControlCenter()
                             : trials > 0  ? unitsim::Config::BlockSensorWithTrials(trials)
                                           : unitsim::Config::BlockSensor();
    config.paced = paced;
    config.outputDir = out;
    config.transcriptFile = log;
    unitsim::Unit unit(config);
    if (!unit.Start(port))
    {
        std::fprintf(stderr, "unitsim: cannot open COM%d\n", port);
        return 1;
    }
    if (off)
        unit.PowerOff();
    std::printf("unitsim: serving on COM%d\n", port);
    std::fflush(stdout);
    std::string line;
    while (std::getline(std::cin, line) && line != "quit")
    {
        if (line == "on")
            unit.PowerOn();
        else if (line == "off")
            unit.PowerOff();
    }
    unit.Stop();
    return 0;
}
