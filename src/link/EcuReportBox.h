#pragma once
// Shows CEcuCommException::Report in a message box (through the modal seam), over the active window.
void InstallEcuReportBox();
