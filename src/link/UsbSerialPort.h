#pragma once
// Whether the vehicle interface is joined by its USB-serial cable: the system lists a port of the
// cable's bridge driver among its serial ports.
bool HasUsbSerialPort();
