<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>zarGPSWidget</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Quality:</source>
        <translation>Quality:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>high</source>
        <translation>high</translation>
    </message>
    <message>
        <source>low</source>
        <translation>low</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
</context>
<context>
    <name>zarDeviceTableWidget</name>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
</context>
<context>
    <name>zarClockWidget</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
</context>
<context>
    <name>zarReleaseWidget</name>
    <message>
        <source>Accept</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Current version</translation>
    </message>
    <message>
        <source>eng</source>
        <translation>eng</translation>
    </message>
</context>
<context>
    <name>zarUpdateWidget</name>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Download, install, restart</source>
        <translation>Download, install, restart</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Connecting to server...</source>
        <translation>Connecting to server...</translation>
    </message>
    <message>
        <source>Logging in...</source>
        <translation>Logging in...</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Downloading...</translation>
    </message>
    <message>
        <source>Closing...</source>
        <translation>Closing...</translation>
    </message>
    <message>
        <source>Network error</source>
        <translation>Network error</translation>
    </message>
    <message>
        <source>System error</source>
        <translation>System error</translation>
    </message>
    <message>
        <source>There is no update yet</source>
        <translation>There is no update yet</translation>
    </message>
    <message>
        <source>Update is available</source>
        <translation>Update is available</translation>
    </message>
    <message>
        <source>Downloaded update is corrupted</source>
        <translation>Downloaded update is corrupted</translation>
    </message>
    <message>
        <source>Restarting...</source>
        <translation>Restarting...</translation>
    </message>
    <message>
        <source>Stop all activities to update</source>
        <translation>Stop all activities to update</translation>
    </message>
</context>
</TS>
