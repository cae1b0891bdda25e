@echo off
rem Tries the PathForge wizard without a CNC: the log viewer first, then the
rem test host with the @ARCH@ plug-in of this package and the simulated NC
rem library of this folder, on the machine described in machine.ini.
rem Arguments are passed on to host.exe (see README.txt).
cd /d "%~dp0"
start "" logview.exe
host.exe --wait-viewer --plugin "..\..\@ARCH@\40.PathForge.pin" --machine machine.ini %*
