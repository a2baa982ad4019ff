-- The tables of sanavodb.mdb. Columns are read by position: keep their order.
-- Amounts and most fields are text as typed; bill numbers and counters are integers so that
-- "Order by BillNo" orders bills by number; date columns are DATE, stored as ISO text.

CREATE TABLE SettingsNewUser (
  UserNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UserName TEXT,
  Password TEXT,
  UserType TEXT
);

CREATE TABLE SettingDrDetails (
  DoctorID TEXT, FirstName TEXT, LastName TEXT, Sex TEXT, MobilePhone TEXT, HomePhone TEXT,
  DateOfBirth TEXT, Age TEXT, PagerNumber TEXT, Address TEXT, EmailId TEXT, DoctorType TEXT,
  Qualification TEXT, Specialization TEXT, InTime TEXT, OutTime TEXT, AvailableDays TEXT
);

CREATE TABLE SettingsEmployeeDetails (
  EmployeeID TEXT, FirstName TEXT, LastName TEXT, Sex TEXT, MobilePhone TEXT, HomePhone TEXT,
  DateOfBirth TEXT, Age TEXT, PagerNumber TEXT, Address TEXT, EmailId TEXT, EmployeeType TEXT,
  Qualification TEXT
);

CREATE TABLE SettingsConsultant (
  ConsultDate DATE, DrName TEXT, Amount TEXT, PatientID TEXT
);

CREATE TABLE SettingsLab (
  Description TEXT, Amount TEXT
);

CREATE TABLE SettingsXRay (
  Description TEXT, AdultAmount TEXT, ChildrenAmount TEXT
);

-- EmployeeID holds the patient ID ("OP..."); LastName, HomePhone, DateOfBirth and PagerNumber are kept
-- for the table's shape and stay empty.
CREATE TABLE SettingsOutPatient (
  EmployeeID TEXT, FirstName TEXT, LastName TEXT, Sex TEXT, MobilePhone TEXT, HomePhone TEXT,
  DateOfBirth TEXT, Age TEXT, PagerNumber TEXT, Address TEXT, Location TEXT
);

-- EmployeeID holds the patient ID ("IP..."); columns 2, 5, 6, 8, 11 and 12 stay empty.
CREATE TABLE SettingsInPatient (
  EmployeeID TEXT, FirstName TEXT, LastName TEXT, Sex TEXT, MobilePhone TEXT, HomePhone TEXT,
  DateOfBirth TEXT, Age TEXT, PagerNumber TEXT, Address TEXT, Location TEXT, Reserved11 TEXT,
  Reserved12 TEXT, Prescription TEXT, Disease TEXT, Health TEXT, DischargeDate DATE, Discharged TEXT,
  AdvancePaid NUMERIC
);

CREATE TABLE SettingsOutBillNo (LastBillNo INTEGER);
CREATE TABLE SettingsInBillNo (LastBillNo INTEGER);
CREATE TABLE SettingsLabBillNo (LastBillNo INTEGER);
CREATE TABLE SettingsXRayBillNo (LastBillNo INTEGER);

CREATE TABLE OutPatientPrintDetails (
  BillNo INTEGER, Date DATE, DrFees TEXT, DressingCharges TEXT, XRayCharge TEXT, LabCharge TEXT,
  EcgCharge TEXT, ScanCharge TEXT, OtherCharge TEXT, total TEXT, patientName TEXT, patientid TEXT,
  BillDelete TEXT
);

CREATE TABLE InPatientPrintDetails (
  BillNo INTEGER, Date DATE, BedCharges TEXT, ProfessionalCharges TEXT, NursingCharges TEXT,
  OTCharges TEXT, AnestheticCharges TEXT, XRayCharge TEXT, LabCharge TEXT, EcgCharge TEXT,
  ScanCharge TEXT, OtherCharge TEXT, total TEXT, patientName TEXT, patientid TEXT, BillDelete TEXT,
  Advance TEXT
);

CREATE TABLE LabPrintDetails (
  BillNo INTEGER, Date DATE, TestName TEXT, TestCharge TEXT, DiscountPercent TEXT, GrossTotal TEXT,
  total TEXT, patientName TEXT, patientid TEXT, BillDelete TEXT
);

CREATE TABLE XRayPrintDetails (
  BillNo INTEGER, Date DATE, TestName TEXT, TestCharge TEXT, DiscountPercent TEXT, GrossTotal TEXT,
  total TEXT, patientName TEXT, patientid TEXT, BillDelete TEXT
);

CREATE TABLE SettingsCopyDB (BackupFolder TEXT);

-- Who cancelled which bill, and when: a cancelled bill keeps its row, marked 'Deleted', and gains one here.
CREATE TABLE BillCancellations (Kind TEXT, BillNo INTEGER, CancelledAt DATE, UserName TEXT);

-- The reports order bills by number; a decade of bills should not be sorted on every open.
CREATE INDEX OutPatientPrintDetailsBillNo ON OutPatientPrintDetails (BillNo);
CREATE INDEX InPatientPrintDetailsBillNo ON InPatientPrintDetails (BillNo);
CREATE INDEX LabPrintDetailsBillNo ON LabPrintDetails (BillNo);
CREATE INDEX XRayPrintDetailsBillNo ON XRayPrintDetails (BillNo);
