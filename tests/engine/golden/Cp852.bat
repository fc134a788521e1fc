@echo off
echo Created with Orvane Parvola
echo      https://www.orvane.example/parvola     
echo.
if not exist "¬eskì.001" echo The piece "¬eskì.001" is missing.
if not exist "¬eskì.001" goto missing
copy /b "¬eskì.001" "¬eskì"
if errorlevel 1 echo Joining "¬eskì.001" failed.
if errorlevel 1 goto failed
del "¬eskì.001"
echo.
echo Done!
exit /b 0
:missing
echo Nothing was changed.  Please copy every piece into this folder and run this file again.
exit /b 1
:failed
if exist "¬eskì" del "¬eskì"
echo The joined file was removed and the pieces were kept.  Please mend the cause shown above and run this file again.
exit /b 1
