// Fault injection for the map writer, so tests can watch a save fail part of the way through.
#pragma once

struct MapWriteFault {
    bool failOpen;        // the temporary file cannot be created
    long failAfterBytes;  // writes fail once this many bytes are written; -1 = never
    bool failRename;      // the finished file cannot replace the old one
};

extern MapWriteFault mapWriteFault;  // all clear at start; tests set and clear it
