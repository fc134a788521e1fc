@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "report.doc.001" echo The piece "report.doc.001" is missing.
if not exist "report.doc.001" goto missing
if not exist "report.doc.002" echo The piece "report.doc.002" is missing.
if not exist "report.doc.002" goto missing
if not exist "report.doc.003" echo The piece "report.doc.003" is missing.
if not exist "report.doc.003" goto missing
copy /b "report.doc.001" "report.doc"
if errorlevel 1 echo Joining "report.doc.001" failed.
if errorlevel 1 goto failed
copy /b "report.doc"+"report.doc.002" "report.doc"
if errorlevel 1 echo Joining "report.doc.002" failed.
if errorlevel 1 goto failed
copy /b "report.doc"+"report.doc.003" "report.doc"
if errorlevel 1 echo Joining "report.doc.003" failed.
if errorlevel 1 goto failed
del "report.doc.001"
del "report.doc.002"
del "report.doc.003"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "report.doc" del "report.doc"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
