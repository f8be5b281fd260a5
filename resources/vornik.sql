-- Schema of a loans database for the embedded engine.
-- Dates are day numbers (days since 30 December 1899); 1.0 is the empty date.
-- The program inserts the two default users after running this script.

create table loans (
  id integer primary key,
  datefrom real not null default 1.0,
  dateto real not null default 1.0,
  customer text,
  customerid integer not null default 0,
  things varchar(4000),
  advance real default 0,
  price real default 0,
  returned real not null default 1.0,
  statusbefore text,
  statusafter text,
  accessories text,
  person1 text,
  person2 text,
  note text,
  mileage0 real default 0,
  mileage real default 0,
  counter integer not null default 0,
  ownnumber varchar(4000),
  loanlog text
);
create index loans_returned_dateto on loans(returned, dateto);
-- Statements that sort or pick by the due date alone (the filters, a title click on "zapůjčeno do").
create index loans_dateto on loans(dateto);
create index loans_customerid on loans(customerid);

create table loanthings (
  id integer primary key,
  borrowedid integer not null default 0,
  devicenumber integer not null default 0,
  description text
);
create index loanthings_borrowedid on loanthings(borrowedid);
create index loanthings_devicenumber on loanthings(devicenumber);

create table loanattachments (
  id integer primary key,
  borrowedid integer not null default 0,
  filename text,
  filedata blob
);
create index loanattachments_borrowedid on loanattachments(borrowedid);

create table devices (
  devicenumber integer primary key,
  active integer not null default 1,
  devicename text,
  devicetype text,
  invnumber text,
  serialnumber text,
  owner text,
  ownerid integer not null default 0,
  operatorm text,
  technician text,
  location text,
  workroom text,
  accessory text,
  evidencedate real not null default 1.0,
  saledate real not null default 1.0,
  setupdate real not null default 1.0,
  warrantydate real not null default 1.0,
  decommission real not null default 1.0,
  nextdate real not null default 1.0,
  alertdays integer,
  category text,
  intervaldays integer not null default 0,
  tariff real default 0,
  internalnote text,
  internallog text,
  note text,
  defaultdate real not null default 1.0,
  price real default 0
);
create index devices_nextdate on devices(nextdate);
create index devices_ownerid on devices(ownerid);

create table devicesattachments (
  id integer primary key,
  devicenumber integer not null default 0,
  filename text,
  filedata blob
);
create index devicesattachments_devicenumber on devicesattachments(devicenumber);

create table contacts (
  contactid integer primary key,
  firm text,
  firstname text,
  lastname text,
  phone1 text,
  phone2 text,
  phone3 text,
  email text,
  im text,
  www text,
  street text,
  city text,
  postcode text,
  id text,
  vatid text,
  pico integer not null default 0,
  note text,
  item1 text,
  item2 text,
  item3 text,
  fee real default 0,
  country text,
  contacttype text
);

create table contactattachments (
  id integer primary key,
  contactid integer not null default 0,
  filename text,
  filedata blob
);
create index contactattachments_contactid on contactattachments(contactid);

create table users (
  userid integer primary key,
  username text,
  userpw text,
  usertype text,
  firstname text,
  lastname text,
  phone text,
  email text,
  added real default (julianday('now','localtime') - 2415018.5)
);

create table files (
  filename text not null primary key,
  pathto text,
  filedata blob
);
