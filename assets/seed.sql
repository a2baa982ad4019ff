-- Rows the program needs from its first start; no screen creates them.
-- ENCIPHER is the program's own password cipher, made available to this script by the build.
INSERT INTO SettingsNewUser (UserName, Password, UserType) VALUES ('admin', ENCIPHER('larch'), ENCIPHER('Admin'));
INSERT INTO SettingsOutBillNo (LastBillNo) VALUES (0);
INSERT INTO SettingsInBillNo (LastBillNo) VALUES (0);
INSERT INTO SettingsLabBillNo (LastBillNo) VALUES (0);
INSERT INTO SettingsXRayBillNo (LastBillNo) VALUES (0);
INSERT INTO SettingsCopyDB (BackupFolder) VALUES ('');
